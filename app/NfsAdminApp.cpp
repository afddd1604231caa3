#include "app/NfsAdminApp.h"

#include "app/AboutDlg.h"
#include "app/MainFrame.h"
#include "exports/ExportListStore.h"
#include "framework/AnsiLeadBytes.h"
#include "framework/ChangeHistory.h"
#include "framework/InstallDirs.h"
#include "framework/MainWindow.h"
#include "framework/Messages.h"
#include "portable/SharedWithService.h"
#include "printing/StartPrinting.h"
#include "resources/resource.h"

namespace {
// The title is read into a buffer of this size.
constexpr size_t kTitleSize = 64;

// Another console on this desktop is brought forward instead of starting a second.
bool RaiseRunningConsole() {
  HWND running = FindWindowA(kMainWindowClass, nullptr);
  if (!running) return false;
  if (IsIconic(running))
    ShowWindow(running, SW_SHOWNORMAL);
  else
    BringWindowToTop(running);
  return true;
}
}  // namespace

BOOL CNfsAdminApp::InitApplication() {
  UseAnsiLeadBytes();
  if (!CWinApp::InitApplication()) return FALSE;

  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (GetVersionExA(&version) && version.dwPlatformId != VER_PLATFORM_WIN32_NT) {
    AfxMessageBox(IDS_NOT_WINDOWS_NT);
    return FALSE;
  }
  if (RaiseRunningConsole()) return FALSE;

  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &CWnd::WndProc;
  windowClass.hInstance = m_hInstance;
  windowClass.hIcon = LoadIconA(m_hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
  windowClass.lpszClassName = kMainWindowClass;
  return RegisterClass(windowClass);
}

BOOL CNfsAdminApp::InitInstance() {
  SetChangeProgram("console");
  CDialog::SetColors(RGB(192, 192, 192), RGB(0, 0, 0));

  std::string title = LoadResString(IDR_MAINFRAME).substr(0, kTitleSize - 1);
  auto frame = std::make_unique<CMainFrame>();
  if (!frame->Create(kMainWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW)) return FALSE;
  CMainFrame& mainFrame = *frame;
  SetMainWnd(std::move(frame));

  CExportPane& pane = mainFrame.ExportPane();
  if (pane.ExportsPath()) ReadExportsFile(*pane.ExportsPath(), pane.List());
  ShowWindow(mainFrame.m_hWnd, SW_SHOWNORMAL);
  UpdateWindow(mainFrame.m_hWnd);
  StartPrinting();
  return TRUE;
}

int CNfsAdminApp::ExitInstance() { return CWinApp::ExitInstance(); }

std::span<const CommandEntry<CNfsAdminApp>> CNfsAdminApp::Commands() {
  static constexpr CommandEntry<CNfsAdminApp> kCommands[] = {
      {ID_HELP, &CNfsAdminApp::OnHelp},
      {ID_APP_ABOUT, &CNfsAdminApp::OnAppAbout},
  };
  return kCommands;
}

bool CNfsAdminApp::OnCmdMsg(UINT id) {
  return RunCommand(*this, Commands(), id) || CWinApp::OnCmdMsg(id);
}

std::optional<bool> CNfsAdminApp::QueryCommand(UINT id) const {
  if (std::optional<bool> own = ::QueryCommand(*this, Commands(), id)) return own;
  return CWinApp::QueryCommand(id);
}

void CNfsAdminApp::OnHelp() {
  if (std::optional<std::string> path = IniInstallPath(kHelpFileName, kHelpPathSize))
    WinHelpA(AfxGetMainWnd(), path->c_str(), HELP_FINDER, 0);
}

void CNfsAdminApp::OnAppAbout() { CAboutDlg().DoModal(); }
