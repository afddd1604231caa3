#include "printing/ErrorBoxes.h"

#include <cstdio>

#include "framework/MainWindow.h"
#include "framework/Messages.h"

UINT ShowServerError(HWND owner, UINT id) {
  if (!owner) owner = AfxGetMainWnd();
  const std::string text = LoadResString(id).substr(0, 249);
  MessageBoxA(owner, text.c_str(), "NFS Server Error", MB_OK | MB_ICONHAND);
  return id;
}

int ShowInternalError(int code) {
  char text[128];
  std::snprintf(text, sizeof text,
                "NFS & Printer Server internal error #%d. Please call Norvo technical support.", code);
  MessageBoxA(AfxGetMainWnd(), text, "NFS Server Internal Error",
              MB_OK | MB_ICONHAND);
  return -1;
}
