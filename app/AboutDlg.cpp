#include "app/AboutDlg.h"

#include "framework/Handles.h"
#include "resources/resource.h"
#include "status/SharedWithService.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUT) {}

BOOL CAboutDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kVersionKey, 0, KEY_READ, &opened) != ERROR_SUCCESS)
    return TRUE;
  UniqueRegKey key(opened);
  char version[64] = {};
  DWORD size = sizeof version;
  if (RegQueryValueExA(key.get(), kVersionValue, nullptr, nullptr, reinterpret_cast<BYTE*>(version),
                       &size) == ERROR_SUCCESS)
    SetDlgItemText(IDC_VERSION, std::string(version, strnlen(version, size)));
  return TRUE;
}
