#include "app/ProcessValues.h"

namespace {
HWND g_mainWindow = nullptr;
}  // namespace

HWND MainWindow() { return g_mainWindow; }
void SetMainWindow(HWND wnd) { g_mainWindow = wnd; }
