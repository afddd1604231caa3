#include "status/ShowLocks.h"

#include "framework/InstallDirs.h"
#include "framework/Messages.h"
#include "portable/SharedWithService.h"
#include "resources/resource.h"
#include "status/LockLine.h"
#include "status/ServiceFile.h"
#include "status/UnlockFile.h"

CShowLocks::CShowLocks() : CPropertyPage(IDD_SHOW_LOCKS) {}

// Filled once per run of the sheet; without the install directory or the file
// the list stays empty, and a record cut short at the end is not shown.
BOOL CShowLocks::OnInitDialog() {
  const BOOL result = CPropertyPage::OnInitDialog();
  locks_.SubclassDlgItem(IDC_LOCK_LIST, this);
  if (const std::optional<std::string> bytes = ReadServiceFile(kLockFileName, "rbc"))
    for (const LockRecord& record : ParseLockRecords(*bytes)) {
      bool cut = false;
      const std::string line = FormatLockLine(record, &cut);
      locks_.SetItemData(locks_.AddString(line.c_str()), cut);
    }
  return result;
}

bool CShowLocks::OnCommand(UINT id, UINT code, HWND control) {
  if (id == IDC_REMOVE_LOCK && code == BN_CLICKED) {
    OnRemove();
    return true;
  }
  return CPropertyPage::OnCommand(id, code, control);
}

// The request is made back from the line shown. A line that would not give back
// the lock it shows is refused and stays; otherwise the line goes at once, even
// when the request then cannot be written (no install directory, no file).
void CShowLocks::OnRemove() {
  const int index = locks_.GetCurSel();
  if (index == LB_ERR) {
    AfxMessageBox(IDS_NO_LOCK_SELECTED, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  const bool cut = locks_.GetItemData(index) != 0;
  const std::optional<std::string> request = cut ? std::nullopt : UnlockRequestFor(locks_.GetText(index));
  if (!request) {
    AfxMessageBox(IDS_LOCK_NOT_REMOVABLE, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  locks_.DeleteString(index);
  const std::optional<std::string> path = RegistryInstallPath(kUnlockFileName);
  if (!path) return;
  if (AppendUnlockRequest(*path, *request) == UnlockAppend::kWriteFailed)
    AfxMessageBox(IDS_UNLOCK_WRITE_FAILED, MB_OK | MB_ICONEXCLAMATION);
}
