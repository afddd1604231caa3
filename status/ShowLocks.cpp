#include "status/ShowLocks.h"

#include "framework/InstallDirs.h"
#include "framework/Messages.h"
#include "portable/SharedWithService.h"
#include "resources/resource.h"
#include "status/LockLine.h"
#include "status/ServiceFile.h"
#include "status/UnlockFile.h"

namespace {

// Why Remove must refuse the lock of a record, as the message to show; 0 when the
// shown line may give the request back.
UINT RefusalOf(const LockRecord& record, bool cut) {
  if (cut) return IDS_LOCK_NOT_REMOVABLE;
  return FitsUnlockRecord(record) ? 0 : IDS_LOCK_NUMBERS_TOO_WIDE;
}

}  // namespace

CShowLocks::CShowLocks() : CPropertyPage(IDD_SHOW_LOCKS) {}

// Filled once per run of the sheet; without the install directory or the file
// the list stays empty, and a record cut short at the end is not shown. Each
// line keeps, as its item data, why it cannot be removed (0: it can). A new
// line's item data is 0 already; setting it on every line would double the
// messages of a fill of many locks.
BOOL CShowLocks::OnInitDialog() {
  const BOOL result = CPropertyPage::OnInitDialog();
  locks_.SubclassDlgItem(IDC_LOCK_LIST, this);
  if (const std::optional<std::string> bytes = ReadServiceFile(kLockFileName)) {
    const std::vector<LockRecord> records = ParseLockRecords(*bytes);
    CListBox::BulkAdd bulk(locks_, records.size());
    std::string line;
    for (const LockRecord& record : records) {
      bool cut = false;
      FormatLockLine(record, line, &cut);
      const int index = locks_.AddString(line.c_str());
      if (const UINT refusal = RefusalOf(record, cut)) locks_.SetItemData(index, refusal);
    }
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
// the lock it shows is refused and stays. The line goes only once its request is
// on the disk: a line gone while the lock is held would tell the administrator
// that it was released.
void CShowLocks::OnRemove() {
  const int index = locks_.GetCurSel();
  if (index == LB_ERR) {
    AfxMessageBox(IDS_NO_LOCK_SELECTED, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  if (const auto refusal = static_cast<UINT>(locks_.GetItemData(index))) {
    AfxMessageBox(refusal, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  const std::optional<std::string> request = UnlockRequestFor(locks_.GetText(index));
  if (!request) {
    AfxMessageBox(IDS_LOCK_NOT_REMOVABLE, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  const std::optional<std::string> path = RegistryInstallPath(kUnlockFileName);
  if (!path || AppendUnlockRequest(*path, *request) != UnlockAppend::kAppended) {
    AfxMessageBox(IDS_UNLOCK_WRITE_FAILED, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  locks_.DeleteString(index);
}
