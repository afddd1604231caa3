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

// One line per record, each with why it cannot be removed as its item data (0:
// it can). A new line's item data is 0 already; setting it on every line would
// double the messages of a fill of many locks. The list is not subclassed yet:
// a hundred thousand lines would each pass through the framework's window
// procedure, which does nothing with them, for a fifth of the page's time.
void FillLockList(HWND list, const std::vector<LockRecord>& records) {
  ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  ::SendMessageA(list, LB_INITSTORAGE, records.size(), 0);
  std::string line;
  for (const LockRecord& record : records) {
    bool cut = false;
    FormatLockLine(record, line, &cut);
    const LRESULT index = ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    if (const UINT refusal = RefusalOf(record, cut)) ::SendMessageA(list, LB_SETITEMDATA, index, refusal);
  }
  ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

}  // namespace

CShowLocks::CShowLocks() : CPropertyPage(IDD_SHOW_LOCKS) {}

// Filled once per run of the sheet; without the install directory or the file
// the list stays empty, and a record cut short at the end is not shown.
BOOL CShowLocks::OnInitDialog() {
  const BOOL result = CPropertyPage::OnInitDialog();
  if (const std::optional<std::string> bytes = ReadServiceFile(kLockFileName))
    FillLockList(GetDlgItem(IDC_LOCK_LIST), ParseLockRecords(*bytes));
  locks_.SubclassDlgItem(IDC_LOCK_LIST, this);
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
