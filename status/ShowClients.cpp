#include "status/ShowClients.h"

#include "framework/ChangeHistory.h"
#include "framework/InstallDirs.h"
#include "framework/Messages.h"
#include "portable/SharedWithService.h"
#include "resources/resource.h"
#include "status/MountList.h"
#include "status/ServiceFile.h"

CShowClients::CShowClients() : CPropertyPage(IDD_SHOW_CLIENTS) {}

// Without the install directory, or without a readable file, the edit stays
// empty: the service may simply not have written the list yet.
BOOL CShowClients::OnInitDialog() {
  const BOOL result = CPropertyPage::OnInitDialog();
  if (const std::optional<std::string> bytes = ReadServiceFile(kMountListFileName, "rb"))
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
// A file that cannot be created or truncated goes unreported and the edit is
// emptied all the same, as when the page finds no file to show.
void CShowClients::OnClearAll() {
  if (AfxMessageBox(IDS_CLEAR_MOUNT_LIST, MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return;
  const std::optional<std::string> path = RegistryInstallPath(kMountListFileName);
  if (!path) return;
  if (std::FILE* emptied = std::fopen(path->c_str(), "w")) {
    std::fclose(emptied);
    RecordVersion(*path, {}, "");
  }
  SetDlgItemText(IDC_MOUNTED_CLIENTS, "");
}
