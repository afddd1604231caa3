#pragma once
// The values start-up sets once for the whole process.
#include <windows.h>

#include <optional>
#include <string>

// The console's main window, once it exists.
HWND MainWindow();
void SetMainWindow(HWND wnd);
