// Start-up effects: where the exports file comes from, and that the list is full
// before the window first shows.
#include "app/InstallDirs.h"
#include "framework/MainWindow.h"
#include "resources/resource.h"
#include "status/SharedWithService.h"
#include "tests/win/ConsoleFixture.h"

namespace {

const char kTwoExports[] = "d:\\b;0 \r\nc:\\a h1 h2;1 \r\n";

// The list's count when the main window is first shown.
int g_countWhenShown = -1;
LRESULT CALLBACK WatchShow(int code, WPARAM wp, LPARAM lp) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lp);
  if (code == HC_ACTION && call->message == WM_SHOWWINDOW && call->wParam) {
    char name[32] = {};
    GetClassNameA(call->hwnd, name, sizeof name);
    if (lstrcmpA(name, kMainWindowClass) == 0) {
      HWND pane = GetDlgItem(call->hwnd, AFX_IDW_PANE_FIRST);
      g_countWhenShown = static_cast<int>(SendDlgItemMessageA(pane, IDC_EXPORT_LIST, LB_GETCOUNT, 0, 0));
    }
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

TEST_F(ConsoleTest, ListIsFilledBeforeTheWindowShows) {
  WriteFile(InstallPath(kExportsFileName), kTwoExports);
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, &WatchShow, nullptr, GetCurrentThreadId());
  StartConsole();
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(g_countWhenShown, 2);
  EXPECT_TRUE(IsWindowVisible(Frame().m_hWnd));
  EXPECT_EQ(Frame().GetWindowText(), "NFS  Server ");
  EXPECT_EQ(AfxGetMainWnd(), Frame().m_hWnd);
  // Sorted by drive code: c before d.
  EXPECT_EQ(List().RecordAt(0)->path, "\\a");
  EXPECT_EQ(List().RecordAt(1)->path, "\\b");
}

TEST_F(ConsoleTest, ExportsPathComesFromTheIniDirectoryAsItStands) {
  // A trailing backslash is kept: the file name brings its own.
  WritePrivateProfileStringA(kIniInstallSection, kIniInstallDirKey, "C:\\nfs-test\\", kIniFileName);
  WriteFile(InstallPath(kExportsFileName), kTwoExports);
  StartConsole();
  ASSERT_TRUE(Frame().ExportPane().ExportsPath());
  EXPECT_EQ(*Frame().ExportPane().ExportsPath(), "C:\\nfs-test\\\\exports");
  EXPECT_EQ(List().GetCount(), 2);
}

TEST_F(ConsoleTest, WithoutAnIniFileTheExportsFileIsInTheCurrentDrivesRoot) {
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, kIniFileName);
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, sizeof windows);
  DeleteFileA((std::string(windows) + "\\" + kIniFileName).c_str());
  SetCurrentDirectoryA(kInstallDir);
  WriteFile("C:\\exports", "c:\\root;0 \n");
  StartConsole();
  EXPECT_EQ(Frame().ExportPane().ExportsPath(), std::optional<std::string>("\\exports"));
  ASSERT_EQ(List().GetCount(), 1);
  EXPECT_EQ(List().RecordAt(0)->path, "\\root");
  DeleteFileA("C:\\exports");
}

TEST_F(ConsoleTest, AnInstallDirectoryTooLongForThePathIsRefused) {
  // 71 characters still fit the 80-byte path with "\exports"; 72 do not.
  const std::string fits = "C:\\" + std::string(68, 'f');
  const std::string tooLong = fits + "g";
  CreateDirectoryA(fits.c_str(), nullptr);
  CreateDirectoryA(tooLong.c_str(), nullptr);
  WriteFile(fits + kExportsFileName, kTwoExports);
  WriteFile(tooLong + kExportsFileName, kTwoExports);

  WritePrivateProfileStringA(kIniInstallSection, kIniInstallDirKey, fits.c_str(), kIniFileName);
  StartConsole();
  EXPECT_EQ(List().GetCount(), 2);
  app_->ExitInstance();
  app_.reset();

  WritePrivateProfileStringA(kIniInstallSection, kIniInstallDirKey, tooLong.c_str(), kIniFileName);
  StartConsole();
  EXPECT_FALSE(Frame().ExportPane().ExportsPath());
  EXPECT_EQ(List().GetCount(), 0);
}

TEST_F(ConsoleTest, RegistryInstallPathsLookAtTheLastCharacter) {
  for (const char* dir : {"C:\\srv", "C:\\srv\\"}) {
    SetRegistryString(kInstallDirKey, kInstallDirValue, dir);
    EXPECT_EQ(RegistryInstallPath(kHostEditorFileName), std::optional<std::string>("C:\\srv\\hostedit.exe"));
  }
  // A key without the value counts as missing.
  DeleteRegistryKey(kInstallDirKey);
  SetRegistryString(kInstallDirKey, "Other", "x");
  EXPECT_FALSE(RegistryInstallPath(kHostEditorFileName));
  DeleteRegistryKey(kInstallDirKey);
  EXPECT_FALSE(RegistryInstallPath(kHostEditorFileName));
}

// The help viewer as WinHelpA finds it, by its window class; it receives the
// request, the help file's path among it, as WM_COPYDATA.
std::string g_helpRequest;
LRESULT CALLBACK HelpViewer(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != WM_COPYDATA) return DefWindowProcA(window, msg, wp, lp);
  const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
  g_helpRequest.assign(static_cast<const char*>(data->lpData), data->cbData);
  return TRUE;
}

TEST_F(ConsoleTest, HelpAsksForTheHelpFileOfTheIniDirectory) {
  WNDCLASSA viewerClass{};
  viewerClass.lpfnWndProc = &HelpViewer;
  viewerClass.hInstance = GetModuleHandleA(nullptr);
  viewerClass.lpszClassName = "MS_WINHELP";
  ASSERT_TRUE(RegisterClassA(&viewerClass));
  HWND viewer = CreateWindowA("MS_WINHELP", "", 0, 0, 0, 0, 0, nullptr, nullptr, viewerClass.hInstance, nullptr);
  StartConsole();
  Command(ID_HELP);
  DestroyWindow(viewer);
  UnregisterClassA("MS_WINHELP", viewerClass.hInstance);
  EXPECT_NE(g_helpRequest.find(std::string(kInstallDir) + "\\nfserver.hlp"), std::string::npos) << g_helpRequest;
}

}  // namespace
