#include "app/ProcessValues.h"

namespace {
std::optional<std::string> g_exportsPath;
HWND g_mainWindow = nullptr;
}  // namespace

const std::optional<std::string>& ExportsPath() { return g_exportsPath; }
void SetExportsPath(std::optional<std::string> path) { g_exportsPath = std::move(path); }

HWND MainWindow() { return g_mainWindow; }
void SetMainWindow(HWND wnd) { g_mainWindow = wnd; }
