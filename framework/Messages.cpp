#include "framework/Messages.h"

#include "framework/WinApp.h"

std::string LoadResString(UINT id) {
  char text[256];
  const int length = LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
  return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

UINT MessageBoxTypeWithIcon(UINT type) {
  const UINT buttons = type & MB_TYPEMASK;
  const bool plainButtons = buttons == MB_OK || buttons == MB_OKCANCEL || buttons == MB_YESNO ||
                            buttons == MB_YESNOCANCEL;
  return (type & MB_ICONMASK) == 0 && plainButtons ? type | MB_ICONEXCLAMATION : type;
}

int AfxMessageBox(UINT stringId, UINT type) { return AfxMessageBox(LoadResString(stringId), type); }

int AfxMessageBox(const std::string& text, UINT type) {
  CWinApp* app = AfxGetApp();
  HWND owner = GetActiveWindow();
  if (!owner && app && app->m_pMainWnd) owner = app->m_pMainWnd->m_hWnd;
  if (owner) owner = GetAncestor(owner, GA_ROOT);
  const std::string caption = app ? app->m_appName : std::string();
  return MessageBoxA(owner, text.c_str(), caption.c_str(), MessageBoxTypeWithIcon(type));
}
