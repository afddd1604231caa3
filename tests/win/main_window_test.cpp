// The main window, its export list and its commands, driven with real messages.
#include "app/InstallDirs.h"
#include "framework/FrameworkIds.h"
#include "framework/MainWindow.h"
#include "resources/resource.h"
#include "status/SharedWithService.h"
#include "tests/win/ConsoleFixture.h"

namespace {

const char kThreeExports[] = "c:\\a;0 \r\nc:\\b;0 \r\nc:\\c;0 \r\n";

class MainWindowTest : public ConsoleTest {
 protected:
  void StartOn(const std::string& exports) {
    WriteFile(InstallPath(kExportsFileName), exports);
    StartConsole();
  }
  std::string Exports() const { return ReadFile(InstallPath(kExportsFileName)); }
  int Selection() const { return List().GetCurSel(); }
  void Delete(int answer = IDYES) {
    ExpectMessage("Do you want to delete the selected entry?", answer);
    Command(ID_EXPORT_DELETE);
  }
  int Extent() const { return static_cast<int>(List().SendMessage(LB_GETHORIZONTALEXTENT)); }
};

// The list's count when the main window is first shown.
int g_countWhenShown = -1;
LRESULT CALLBACK WatchShow(int code, WPARAM wp, LPARAM lp) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lp);
  char name[32] = {};
  GetClassNameA(call->hwnd, name, sizeof name);
  if (code == HC_ACTION && call->message == WM_SHOWWINDOW && call->wParam &&
      lstrcmpA(name, kMainWindowClass) == 0)
    g_countWhenShown = static_cast<int>(
        SendDlgItemMessageA(GetDlgItem(call->hwnd, AFX_IDW_PANE_FIRST), IDC_EXPORT_LIST, LB_GETCOUNT, 0, 0));
  return CallNextHookEx(nullptr, code, wp, lp);
}

TEST_F(MainWindowTest, ListIsFilledSortedBeforeTheWindowShows) {
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, &WatchShow, nullptr, GetCurrentThreadId());
  StartOn("d:\\b;0 \r\nc:\\a h1 h2;1 \r\n");
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(g_countWhenShown, 2);
  EXPECT_EQ(List().RecordAt(0)->path, "\\a");
}

// A write that fails is said, with the file and the system's reason; the old
// file stays whole and no temporary file is left, while the list keeps the change.
TEST_F(MainWindowTest, AFailedWriteIsReportedAndLeavesTheOldFileWhole) {
  const std::string exports = InstallPath(kExportsFileName);
  StartOn(kThreeExports);
  List().SetCurSel(0);
  SetFileAttributesA(exports.c_str(), FILE_ATTRIBUTE_READONLY);
  ExpectMessage("Do you want to delete the selected entry?", IDYES);
  Expect(IDOK, [&](HWND box) {
    const std::string text = MessageText(box);
    EXPECT_EQ(text.rfind("Cannot write the file " + exports + ": ", 0), 0u) << text;
    EXPECT_NE(text.find(". The file on disk is unchanged."), std::string::npos) << text;
  });
  Command(ID_EXPORT_DELETE);
  EXPECT_EQ(List().GetCount(), 2);
  SetFileAttributesA(exports.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(Exports(), kThreeExports);
  // Ours; Wine's ReplaceFileA may leave an "rf*.tmp" of its own after a failure.
  WIN32_FIND_DATAA found;
  EXPECT_EQ(FindFirstFileA(InstallPath("\\nfs*.tmp").c_str(), &found), INVALID_HANDLE_VALUE)
      << found.cFileName;
}

// After any dialog or box the keys go to the export list again.
TEST_F(MainWindowTest, TheFocusGoesBackToTheListAfterADialog) {
  StartOn(kThreeExports);
  List().SetCurSel(0);
  const struct {
    UINT command;
    std::vector<int> buttons;  // pressed in the windows that show up, in turn
  } cases[] = {{ID_EXPORT_EDIT, {IDCANCEL}},
               {ID_EXPORT_DELETE, {IDNO}},
               {ID_EXPORT_DELETE, {IDYES}},
               {ID_EXPORT_NEW, {IDOK, IDOK}},
               {ID_APP_ABOUT, {IDOK}}};
  for (const auto& c : cases) {
    SetFocus(nullptr);
    for (int button : c.buttons) Expect(button, [](HWND) {});
    Command(c.command);
    EXPECT_EQ(GetFocus(), List().m_hWnd) << c.command;
  }
}

TEST_F(MainWindowTest, UpDownDoubleClickAndDeleteFollowTheSelection) {
  StartOn(kThreeExports);
  CToolBar& exports = Frame().ExportsToolBar();
  EXPECT_FALSE(exports.IsButtonEnabled(ID_EXPORT_DELETE));
  // With no selection a double click opens nothing, and Up does nothing.
  HWND pane = GetParent(List().m_hWnd);
  const auto doubleClick = [&] {
    SendMessageA(pane, WM_COMMAND, MAKEWPARAM(IDC_EXPORT_LIST, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(List().m_hWnd));
    Pump();
  };
  doubleClick();
  const std::pair<UINT, int> steps[] = {{ID_SELECT_PREVIOUS, LB_ERR}, {ID_SELECT_NEXT, 0},
                                        {ID_SELECT_PREVIOUS, 0},      {ID_SELECT_NEXT, 1},
                                        {ID_SELECT_NEXT, 2},          {ID_SELECT_NEXT, 2}};
  for (const auto& [command, expected] : steps) {
    Command(command);
    EXPECT_EQ(Selection(), expected) << "after command " << command;
  }
  EXPECT_TRUE(exports.IsButtonEnabled(ID_EXPORT_DELETE));
  // The arrows reach the commands through the accelerators while the list has the focus.
  SetFocus(List().m_hWnd);
  Key(List().m_hWnd, VK_UP);
  EXPECT_EQ(Selection(), 1);
  Expect(IDCANCEL, [](HWND dialog) { EXPECT_EQ(Text(dialog, IDC_PATH), "\\b"); });
  doubleClick();
  // A selection change made by the user resets the status text.
  Frame().SetMessageText("busy");
  Frame().SendMessage(WM_COMMAND, ID_EXPORT_SELCHANGE, 0);
  EXPECT_EQ(Frame().StatusBar().GetPaneText(), "Ready");

  // Delete asks; then the next item takes the index, or the new last one is selected.
  List().SetCurSel(0);
  Delete(IDNO);
  EXPECT_EQ(Exports(), kThreeExports);
  Delete();
  EXPECT_EQ(Selection(), 0);
  EXPECT_EQ(Exports(), "c:\\b;0 \r\nc:\\c;0 \r\n");
  List().SetCurSel(1);
  Delete();
  EXPECT_EQ(Selection(), 0);
  Delete();
  EXPECT_EQ(Selection(), LB_ERR);
  EXPECT_EQ(Exports(), "");
}

TEST_F(MainWindowTest, AnnouncedLineIsAddedWithoutTouchingTheFileAndTheExtentFollows) {
  StartOn(kThreeExports);
  const int allClientsExtent = Extent();  // 40 characters: no clients text
  const std::string appended = std::string(kThreeExports) + "c:\\bb far1 far2;2 far1\r\n";
  WriteFile(InstallPath(kExportsFileName), appended);
  Frame().SendMessage(kExportAppendedMessage);
  ASSERT_EQ(List().GetCount(), 4);
  EXPECT_EQ(List().RecordAt(2)->clients, "far1, far2");  // sorted between \b and \c
  EXPECT_EQ(Exports(), appended);
  EXPECT_EQ(Extent() * 40, allClientsExtent * 50);  // 10 characters more
  // A rewrite without that entry brings it back.
  List().SetCurSel(2);
  Delete();
  EXPECT_EQ(Extent(), allClientsExtent);
  // A comment as the last line, or no file at all, adds nothing.
  WriteFile(InstallPath(kExportsFileName), appended + "# note\r\n");
  Frame().SendMessage(kExportAppendedMessage);
  DeleteFileA(InstallPath(kExportsFileName).c_str());
  Frame().SendMessage(kExportAppendedMessage);
  EXPECT_EQ(List().GetCount(), 3);
}

TEST_F(MainWindowTest, AnEndedLogonEndsTheConsoleWithoutAQuestion) {
  StartConsole();
  const HWND frame = Frame().m_hWnd;
  EXPECT_TRUE(SendMessageA(frame, WM_QUERYENDSESSION, 0, 0));
  SendMessageA(frame, WM_ENDSESSION, FALSE, 0);
  EXPECT_TRUE(IsWindow(frame));
  SendMessageA(frame, WM_ENDSESSION, TRUE, 0);
  EXPECT_FALSE(IsWindow(frame));
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

TEST_F(MainWindowTest, HelpAsksForTheHelpFileAndAboutShowsTheStoredVersion) {
  WNDCLASSA viewerClass{};
  viewerClass.lpfnWndProc = &HelpViewer;
  viewerClass.lpszClassName = "MS_WINHELP";
  ASSERT_TRUE(RegisterClassA(&viewerClass));
  HWND viewer = CreateWindowA("MS_WINHELP", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  SetRegistryValue(kVersionKey, kVersionValue, "2.0 beta");
  StartConsole();
  Command(ID_HELP);
  DestroyWindow(viewer);
  UnregisterClassA("MS_WINHELP", nullptr);
  EXPECT_NE(g_helpRequest.find(std::string(kInstallDir) + "\\nfserver.hlp"), std::string::npos)
      << g_helpRequest;
  Expect(IDOK, [](HWND about) { EXPECT_EQ(Text(about, IDC_VERSION), "2.0 beta"); });
  Command(ID_APP_ABOUT);
  DeleteRegistryKey(kVersionKey);
}

}  // namespace
