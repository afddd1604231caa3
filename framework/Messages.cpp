#include "framework/Messages.h"

#include "framework/FrameworkIds.h"
#include "framework/MainWindow.h"

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
  const std::string caption = LoadResString(AFX_IDS_APP_TITLE);
  return MessageBoxA(AfxGetSafeOwner(nullptr), text.c_str(), caption.c_str(), MessageBoxTypeWithIcon(type));
}
