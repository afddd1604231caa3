#include "status/ShowClients.h"

#include "framework/ChangeHistory.h"
#include "framework/InstallDirs.h"
#include "framework/Messages.h"
#include "portable/SharedWithService.h"
#include "portable/UniqueFile.h"
#include "resources/resource.h"
#include "status/MountList.h"
#include "status/ServiceFile.h"

CShowClients::CShowClients() : CPropertyPage(IDD_SHOW_CLIENTS) {}

// Without the install directory, or without a readable file, the edit stays
// empty: the service may simply not have written the list yet.
BOOL CShowClients::OnInitDialog() {
  const BOOL result = CPropertyPage::OnInitDialog();
  if (const std::optional<std::string> bytes = ReadServiceFile(kMountListFileName))
    SetDlgItemText(IDC_MOUNTED_CLIENTS, MountListDisplayText(MountListText(*bytes)));
  return result;
}

bool CShowClients::OnCommand(UINT id, UINT code, HWND control) {
  // "Clear All" carries the id 2, which inside a page is an ordinary button.
  if (id == IDC_CLEAR_ALL && code == BN_CLICKED) {
    OnClearAll();
    return true;
  }
  return CPropertyPage::OnCommand(id, code, control);
}

// Emptying the list cannot end the clients' connections, hence the question.
// The edit is emptied only when the file was: an empty edit over a full file
// would tell the administrator that the list was cleared.
void CShowClients::OnClearAll() {
  if (AfxMessageBox(IDS_CLEAR_MOUNT_LIST, MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return;
  const std::optional<std::string> path = RegistryInstallPath(kMountListFileName);
  const UniqueFile emptied(path ? std::fopen(path->c_str(), "w") : nullptr);
  if (!emptied) {
    AfxMessageBox(IDS_MOUNT_LIST_NOT_CLEARED, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  RecordVersion(*path, {}, "");
  SetDlgItemText(IDC_MOUNTED_CLIENTS, "");
}
