// The main window's commands, bars and messages, driven with real messages.
#include "exports/ExportRowText.h"
#include "framework/FrameworkIds.h"
#include "resources/resource.h"
#include "status/SharedWithService.h"
#include "tests/win/ConsoleFixture.h"

#include <commctrl.h>

#include <functional>
#include <vector>

namespace {

const char kThreeExports[] = "c:\\a;0 \r\nc:\\b;0 \r\nc:\\c;0 \r\n";

class MainWindowTest : public ConsoleTest {
 protected:
  std::string Exports() const { return ReadFile(InstallPath(kExportsFileName)); }
  int Selection() const { return List().GetCurSel(); }
  void AnswerDelete(int button) { ExpectMessage("Do you want to delete the selected entry?", button); }
};

TEST_F(MainWindowTest, DeleteAsksThenSelectsTheNextOrLastItem) {
  WriteFile(InstallPath(kExportsFileName), kThreeExports);
  StartConsole();

  // No: nothing changes, not even the file's line ends.
  List().SetCurSel(0);
  AnswerDelete(IDNO);
  Command(ID_EXPORT_DELETE);
  EXPECT_EQ(List().GetCount(), 3);
  EXPECT_EQ(Exports(), kThreeExports);

  // The first of three: the next one takes its index.
  AnswerDelete(IDYES);
  Command(ID_EXPORT_DELETE);
  EXPECT_EQ(Selection(), 0);
  EXPECT_EQ(List().RecordAt(0)->path, "\\b");
  EXPECT_EQ(Exports(), "c:\\b;0 \r\nc:\\c;0 \r\n");

  // The last: the new last one is selected.
  List().SetCurSel(1);
  AnswerDelete(IDYES);
  Command(ID_EXPORT_DELETE);
  EXPECT_EQ(Selection(), 0);

  // The only one: an empty list and an empty file.
  AnswerDelete(IDYES);
  Command(ID_EXPORT_DELETE);
  EXPECT_EQ(List().GetCount(), 0);
  EXPECT_EQ(Selection(), LB_ERR);
  EXPECT_EQ(Exports(), "");
}

// A write that fails is said, with the file and the system's reason; the old
// file stays whole and no temporary file is left, while the list keeps the change.
TEST_F(MainWindowTest, AFailedWriteIsReportedAndLeavesTheOldFileWhole) {
  const std::string exports = InstallPath(kExportsFileName);
  struct Case {
    const char* name;
    std::function<HANDLE()> block;  // keeps the write from succeeding; a handle to close after
  };
  const Case cases[] = {
      {"read-only file",
       [&] {
         SetFileAttributesA(exports.c_str(), FILE_ATTRIBUTE_READONLY);
         return HANDLE{};
       }},
      {"file held open without sharing",
       [&] {
         return CreateFileA(exports.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(exports, kThreeExports);
    StartConsole();
    List().SetCurSel(0);
    {
      const HANDLE held = c.block();
      AnswerDelete(IDYES);
      script_.Then([&](HWND box) {
        const std::string text = ModalScript::MessageText(box);
        EXPECT_EQ(text.rfind("Cannot write the file " + exports + ": ", 0), 0u) << text;
        EXPECT_NE(text.find(". The file on disk is unchanged."), std::string::npos) << text;
        ModalScript::Press(box, IDOK);
      });
      Command(ID_EXPORT_DELETE);
      EXPECT_EQ(List().GetCount(), 2);
      if (held) CloseHandle(held);
    }
    SetFileAttributesA(exports.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(Exports(), kThreeExports);
    WIN32_FIND_DATAA found;
    // Ours; Wine's ReplaceFileA may leave an "rf*.tmp" of its own after a failure.
    const HANDLE search = FindFirstFileA(InstallPath("\\nfs*.tmp").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << found.cFileName;
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    app_->ExitInstance();
    app_.reset();
  }
}

// After any dialog or box the keys go to the export list again.
TEST_F(MainWindowTest, TheFocusGoesBackToTheListAfterADialog) {
  WriteFile(InstallPath(kExportsFileName), kThreeExports);
  StartConsole();
  List().SetCurSel(0);
  const auto pressFirst = [](int button) { return [button](HWND window) { ModalScript::Press(window, button); }; };
  const struct {
    UINT command;
    std::vector<int> buttons;  // pressed in the windows that show up, in turn
  } cases[] = {
      {ID_EXPORT_EDIT, {IDCANCEL}},
      {ID_EXPORT_DELETE, {IDNO}},
      {ID_EXPORT_DELETE, {IDYES}},
      {ID_EXPORT_NEW, {IDOK, IDOK}},
      {ID_APP_ABOUT, {IDOK}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    SetFocus(nullptr);
    for (int button : c.buttons) script_.Then(pressFirst(button));
    Command(c.command);
    EXPECT_EQ(GetFocus(), List().m_hWnd);
  }
}

TEST_F(MainWindowTest, UpAndDownMoveTheSelectionWithinTheList) {
  WriteFile(InstallPath(kExportsFileName), kThreeExports);
  StartConsole();
  struct Step {
    UINT command;
    int expected;
  };
  const Step steps[] = {
      {ID_SELECT_PREVIOUS, LB_ERR},  // no selection: Up does nothing
      {ID_SELECT_NEXT, 0},           // Down selects the first
      {ID_SELECT_PREVIOUS, 0},       // Up on the first stays
      {ID_SELECT_NEXT, 1}, {ID_SELECT_NEXT, 2},
      {ID_SELECT_NEXT, 2},           // Down on the last stays
      {ID_SELECT_PREVIOUS, 1},
  };
  for (const Step& step : steps) {
    Command(step.command);
    EXPECT_EQ(Selection(), step.expected) << "after command " << step.command;
  }

  // The arrows reach the commands through the accelerators even while the list
  // has the focus.
  SetFocus(List().m_hWnd);
  PostMessageA(List().m_hWnd, WM_KEYDOWN, VK_DOWN, 0);
  Pump();
  EXPECT_EQ(Selection(), 2);
  PostMessageA(List().m_hWnd, WM_KEYDOWN, VK_UP, 0);
  Pump();
  EXPECT_EQ(Selection(), 1);
}

TEST_F(MainWindowTest, ToolbarsStatusBarAndCommandEnabling) {
  WriteFile(InstallPath(kExportsFileName), kThreeExports);
  StartConsole();
  CToolBar& exports = Frame().ExportsToolBar();
  CToolBar& server = Frame().ServerToolBar();
  const std::vector<UINT> exportsIds(exports.ButtonIds().begin(), exports.ButtonIds().end());
  EXPECT_EQ(exportsIds, (std::vector<UINT>{1, 0, 2, 0, 3, 0, 5, 0, 102, 0, 57670}));
  EXPECT_EQ(server.SendMessage(TB_BUTTONCOUNT), 11);
  EXPECT_EQ(LOWORD(exports.SendMessage(TB_GETBUTTONSIZE)), 74);
  EXPECT_EQ(HIWORD(exports.SendMessage(TB_GETBUTTONSIZE)), 21);
  EXPECT_EQ(Frame().StatusBar().GetPaneText(), "Ready");

  for (UINT id : {ID_PRINT_QUEUE, ID_EXPORTED_PRINTERS}) EXPECT_TRUE(exports.IsButtonEnabled(id)) << id;
  for (UINT id : {ID_MAPPING, ID_CLIENTS, ID_SERVER_OPTIONS, ID_HOSTS_EDITOR, ID_APP_ABOUT, ID_APP_EXIT})
    EXPECT_TRUE(server.IsButtonEnabled(id)) << id;
  EXPECT_TRUE(exports.IsButtonEnabled(ID_HELP));

  // Delete follows the selection.
  EXPECT_FALSE(exports.IsButtonEnabled(ID_EXPORT_DELETE));
  List().SetCurSel(1);
  Pump();
  EXPECT_TRUE(exports.IsButtonEnabled(ID_EXPORT_DELETE));

  // A selection change made by the user resets the status text.
  Frame().SetMessageText("busy");
  Frame().SendMessage(WM_COMMAND, ID_EXPORT_SELCHANGE, 0);
  EXPECT_EQ(Frame().StatusBar().GetPaneText(), "Ready");
}

TEST_F(MainWindowTest, AnnouncedLineIsAddedWithoutTouchingTheFile) {
  WriteFile(InstallPath(kExportsFileName), kThreeExports);
  StartConsole();
  auto extent = [this] { return static_cast<int>(List().SendMessage(LB_GETHORIZONTALEXTENT)); };
  const int allClientsExtent = extent();  // 40 characters: no clients text
  const std::string appended = std::string(kThreeExports) + "c:\\bb far1 far2;2 far1\r\n";
  WriteFile(InstallPath(kExportsFileName), appended);
  Frame().SendMessage(kExportAppendedMessage);
  ASSERT_EQ(List().GetCount(), 4);
  EXPECT_EQ(List().RecordAt(2)->clients, "far1, far2");  // sorted between \b and \c
  EXPECT_EQ(Exports(), appended);
  // The extent grows by the 10 characters of "far1, far2"...
  EXPECT_EQ(extent() * 40, allClientsExtent * 50);
  // ...and a rewrite without that entry brings it back.
  List().SetCurSel(2);
  AnswerDelete(IDYES);
  Command(ID_EXPORT_DELETE);
  EXPECT_EQ(extent(), allClientsExtent);

  // A comment as the last line, or no file at all, adds nothing.
  WriteFile(InstallPath(kExportsFileName), appended + "# note\r\n");
  Frame().SendMessage(kExportAppendedMessage);
  DeleteFileA(InstallPath(kExportsFileName).c_str());
  Frame().SendMessage(kExportAppendedMessage);
  EXPECT_EQ(List().GetCount(), 3);
}

TEST_F(MainWindowTest, CloseAndExitHideTheWindowAndQuitWithoutAQuestion) {
  for (bool byExit : {false, true}) {
    StartConsole();
    if (byExit)
      Frame().SendMessage(WM_COMMAND, ID_APP_EXIT, 0);
    else
      Frame().SendMessage(WM_CLOSE);
    EXPECT_FALSE(IsWindowVisible(Frame().m_hWnd));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 0u);
    EXPECT_TRUE(Frame().SendMessage(WM_QUERYENDSESSION));
    app_->ExitInstance();
    app_.reset();
  }
}

TEST_F(MainWindowTest, EndOfTheLogonEndsTheConsoleOnlyWhenItIsReal) {
  StartConsole();
  Frame().SendMessage(WM_ENDSESSION, FALSE);
  EXPECT_TRUE(IsWindow(Frame().m_hWnd));
  const HWND frame = Frame().m_hWnd;
  SendMessageA(frame, WM_ENDSESSION, TRUE, 0);
  EXPECT_FALSE(IsWindow(frame));
}

TEST_F(MainWindowTest, APressedButtonShowsItsPromptUntilReleased) {
  DeleteRegistryKey(kInstallDirKey);  // so the hosts editor command does nothing
  StartConsole();
  CToolBar& server = Frame().ServerToolBar();
  const RECT hosts = server.GetItemRect(server.CommandToIndex(ID_HOSTS_EDITOR));
  const LPARAM middle = MAKELPARAM((hosts.left + hosts.right) / 2, (hosts.top + hosts.bottom) / 2);
  server.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, middle);
  EXPECT_EQ(Frame().StatusBar().GetPaneText(), "Edit the hosts file");
  server.SendMessage(WM_LBUTTONUP, 0, middle);
  Pump();
  EXPECT_EQ(Frame().StatusBar().GetPaneText(), "Ready");
}

TEST_F(MainWindowTest, AboutShowsTheRecordedVersionAsStored) {
  SetRegistryString(kVersionKey, kVersionValue, "2.0 beta");
  StartConsole();
  script_.Then([](HWND about) {
    EXPECT_EQ(CWnd::GetWindowText(about), "About NFS Server");
    EXPECT_EQ(CWnd::GetWindowText(GetDlgItem(about, IDC_VERSION)), "2.0 beta");
    ModalScript::Press(about, IDOK);
  });
  Command(ID_APP_ABOUT);

  DeleteRegistryKey(kVersionKey);
  script_.Then([](HWND about) {
    EXPECT_EQ(CWnd::GetWindowText(GetDlgItem(about, IDC_VERSION)), "");
    ModalScript::Press(about, IDOK);
  });
  Command(ID_APP_ABOUT);
}

}  // namespace
