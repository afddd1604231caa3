#include "app/AboutDlg.h"

#include "framework/RegKey.h"
#include "portable/SharedWithService.h"
#include "resources/resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUT) {}

BOOL CAboutDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CRegKey key;
  if (!key.Open(HKEY_LOCAL_MACHINE, kVersionKey, KEY_READ)) return TRUE;
  if (std::optional<std::string> version = key.QueryString(kVersionValue, 64))
    SetDlgItemText(IDC_VERSION, *version);
  return TRUE;
}
