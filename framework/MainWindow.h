#pragma once
// The application's main window, set once it exists: it owns every modal window
// that is opened without a parent.
#include <windows.h>

HWND AfxGetMainWnd();
void AfxSetMainWnd(HWND wnd);

// The owner of a modal window, message box or sheet: the parent's top-level
// window, or without a parent the main window's last active popup, so that a box
// raised from inside a dialog stays above that dialog.
HWND AfxGetSafeOwner(HWND parent);
