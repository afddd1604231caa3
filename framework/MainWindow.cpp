#include "framework/MainWindow.h"

namespace {
HWND g_mainWnd = nullptr;
}

HWND AfxGetMainWnd() { return g_mainWnd; }
void AfxSetMainWnd(HWND wnd) { g_mainWnd = wnd; }

HWND AfxGetSafeOwner(HWND parent) {
  if (parent) return GetAncestor(parent, GA_ROOT);
  if (!g_mainWnd || !IsWindow(g_mainWnd)) return nullptr;
  return GetLastActivePopup(g_mainWnd);
}
