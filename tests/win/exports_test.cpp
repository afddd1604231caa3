// The main window, its export list and the export editor of New and Edit, driven
// with real messages: real controls, real host and exports files, real
// directories on drives E: and F: of the test's prefix.
#include <algorithm>
#include <string>
#include <vector>

#include "framework/FrameworkIds.h"
#include "portable/SharedWithService.h"
#include "resources/resource.h"
#include "tests/common/EmptyFolder.h"
#include "tests/win/ConsoleFixture.h"

namespace {

using Names = std::vector<std::string>;
const char kRestartText[] =
    "The change will not become effective until the NFS Server Service restarts from Control Panel.";
const Names kAllHosts = {"alpha", "beta", "gamma", "localhost"};
const char kThreeExports[] = "c:\\a;0 \r\nc:\\b;0 \r\nc:\\c;0 \r\n";

// The directory list keeps its names in its items' data, in list order.
Names Directories(HWND dialog) {
  Names names;
  const int count = static_cast<int>(SendDlgItemMessageA(dialog, IDC_DIR_LIST, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i)
    names.push_back(*reinterpret_cast<const std::string*>(
        SendDlgItemMessageA(dialog, IDC_DIR_LIST, LB_GETITEMDATA, i, 0)));
  return names;
}

// Selects an item as a click does, then double-clicks it.
void DoubleClick(HWND dialog, int id, const std::string& name) {
  if (id == IDC_DIR_LIST) {
    const Names names = Directories(dialog);
    SendDlgItemMessageA(dialog, id, LB_SETCURSEL, std::find(names.begin(), names.end(), name) - names.begin(),
                        0);
    Notify(dialog, id, LBN_SELCHANGE);
  } else {
    Pick(dialog, id, name);
  }
  Notify(dialog, id, LBN_DBLCLK);
}

class ExportsTest : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    WriteFile(EtcFile("hosts"),
              "# hosts of the test\r\n127.0.0.1 localhost\r\n\r\n10.0.0.2 beta\r\n"
              "10.0.0.1 alpha alpha.lab\r\n10.0.0.3 gamma\r\n");
    ASSERT_EQ(GetDriveTypeA("E:\\"), static_cast<UINT>(DRIVE_FIXED)) << "run with WINE_EXTRA_DRIVES=abef";
    // The tests of one prefix share its drives: each starts from the same folders.
    for (const char* drive : {"A:", "B:", "E:", "F:"}) EmptyFolder(drive);
    for (const std::string& dir : std::vector<std::string>{"E:\\pub", "E:\\pub\\docs", "E:\\My Dir",
                                                           "E:\\gone", "F:\\data", "A:\\a", "B:\\b"})
      CreateDirectoryA(dir.c_str(), nullptr);
  }

  std::string Exports() const { return ReadFile(InstallPath(kExportsFileName)).value_or(""); }
  // Starts the console on exports, with the item selected, if any.
  void StartOn(const std::string& exports, int selected = -1) {
    WriteFile(InstallPath(kExportsFileName), exports);
    StartConsole();
    List().SetCurSel(selected);
  }
  void Delete(int answer = IDYES) {
    ExpectMessage("Do you want to delete the selected entry?", answer);
    Command(ID_EXPORT_DELETE);
  }
  int Extent() const { return static_cast<int>(List().SendMessage(LB_GETHORIZONTALEXTENT)); }
  // Runs New or Edit with step driving the editor; its OK then shows message 1003 when expected.
  void RunEditor(UINT command, bool expectRestartMessage, std::function<void(HWND)> step) {
    Expect(0, step);
    if (expectRestartMessage) ExpectMessage(kRestartText);
    Command(command);
  }
};

// A blank in a browsed path is stored in the short form.
TEST_F(ExportsTest, TheEditorOffersHostsDrivesAndDirectoriesAndStoresTheChoices) {
  StartOn("c:\\pub alpha beta;2 alpha\r\nE:\\pub\\;0 \r\n", 1);
  RunEditor(ID_EXPORT_EDIT, true, [](HWND dialog) {
    // Exported to some clients, the R/W candidates are the entry's clients.
    EXPECT_EQ(Items(dialog, IDC_RW_CANDIDATES), (Names{"alpha", "beta"}));
    EXPECT_TRUE(Checked(dialog, IDC_RW_LIST_ACCESS));
    DoubleClick(dialog, IDC_RW_CANDIDATES, "beta");
    // Read/Write disables the R/W list but keeps its text, which is still stored.
    Click(dialog, IDC_READ_WRITE);
    EXPECT_FALSE(Enabled(dialog, IDC_RW_LIST_TEXT) || Enabled(dialog, IDC_RW_CANDIDATES));
    Press(dialog, IDOK);
  });
  RunEditor(ID_EXPORT_NEW, true, [this](HWND dialog) {
    EXPECT_EQ(Text(dialog, IDC_DRIVE_LIST), "C:");
    const Names drives = Items(dialog, IDC_DRIVE_LIST);
    // E: and F: once; the floppy letters never, though they hold directories.
    for (const char* drive : {"E:", "F:", "A:", "B:"})
      EXPECT_EQ(std::count(drives.begin(), drives.end(), drive), drive[0] >= 'E') << drive;
    EXPECT_FALSE(Enabled(dialog, IDC_CLIENTS_TEXT) || Enabled(dialog, IDC_RW_CANDIDATES));
    // Exported to all clients, the R/W candidates are all hosts.
    EXPECT_EQ(Items(dialog, IDC_HOST_LIST), kAllHosts);
    EXPECT_EQ(Items(dialog, IDC_RW_CANDIDATES), kAllHosts);
    Click(dialog, IDC_ALL_CLIENTS);
    DoubleClick(dialog, IDC_HOST_LIST, "alpha");
    DoubleClick(dialog, IDC_HOST_LIST, "gamma");
    EXPECT_EQ(Text(dialog, IDC_CLIENTS_TEXT), "alpha, gamma");
    EXPECT_EQ(Items(dialog, IDC_RW_CANDIDATES), (Names{"alpha", "gamma"}));
    SetDlgItemTextA(dialog, IDC_RW_LIST_TEXT, "alpha");
    Click(dialog, IDC_CLEAR);
    EXPECT_EQ(Text(dialog, IDC_CLIENTS_TEXT) + Text(dialog, IDC_RW_LIST_TEXT), "");
    SetDlgItemTextA(dialog, IDC_CLIENTS_TEXT, " alpha,, beta  gamma ");
    SetDlgItemTextA(dialog, IDC_RW_LIST_TEXT, "beta,gamma");
    Click(dialog, IDC_RW_LIST_ACCESS);
    Press(dialog, IDOK);
  });
  const std::string edited = "c:\\ alpha beta gamma;2 beta gamma\r\nc:\\pub alpha beta;1 alpha  beta\r\n";
  List().SetCurSel(0);
  RunEditor(ID_EXPORT_EDIT, true, [](HWND dialog) {
    EXPECT_EQ(Text(dialog, IDC_DRIVE_LIST), "");
    EXPECT_EQ(Directories(dialog), (Names{"..", "docs"}));
    Press(dialog, IDOK);
  });
  EXPECT_EQ(Exports(), "E:\\pub;0 \r\n" + edited);
  // Cancel stores nothing, whatever was changed.
  for (int button : {IDCANCEL, IDOK})
    RunEditor(ID_EXPORT_EDIT, button == IDOK, [button](HWND dialog) {
      Choose(dialog, IDC_DRIVE_LIST, "F:", CBN_CLOSEUP);
      Press(dialog, button);
    });
  EXPECT_EQ(Exports(), "f:\\;0 \r\n" + edited);  // in the edited entry's place
  RunEditor(ID_EXPORT_NEW, false, [this](HWND dialog) {
    Choose(dialog, IDC_DRIVE_LIST, "E:", CBN_CLOSEUP);
    // Gone between listing and double click: refused, the root listed anew.
    ASSERT_TRUE(RemoveDirectoryA("E:\\gone"));
    ExpectMessage("Invalid directory or file name.");
    DoubleClick(dialog, IDC_DIR_LIST, "gone");
    EXPECT_EQ(Directories(dialog), (Names{".", "My Dir", "pub"}));
    DoubleClick(dialog, IDC_DIR_LIST, "My Dir");
    ExpectMessage(kRestartText);
    Press(dialog, IDOK);
  });
  const std::string stored = List().RecordAt(3)->path;
  char longPath[MAX_PATH] = "";
  GetLongPathNameA(("e:" + stored).c_str(), longPath, sizeof longPath);
  EXPECT_EQ(lstrcmpiA(longPath, "e:\\My Dir"), 0) << longPath;
  EXPECT_EQ(Exports(), "f:\\;0 \r\n" + edited + "e:" + stored + ";0 \r\n");
  EXPECT_EQ(stored.find(' '), std::string::npos) << stored;
  // Without a hosts file the editor still opens, offering no host.
  DeleteFileA(EtcFile("hosts").c_str());
  RunEditor(ID_EXPORT_NEW, false, [](HWND dialog) {
    EXPECT_EQ(Items(dialog, IDC_HOST_LIST), Names{});
    Press(dialog, IDCANCEL);
  });
}

// Whatever the exports file would carry so that it reads back as something else
// is refused at OK with the reason: the dialog stays open and nothing is stored.
TEST_F(ExportsTest, ValuesTheFileCannotCarryAreRefusedAtOk) {
  StartOn("c:\\pub;7 \r\n", 0);
  RunEditor(ID_EXPORT_EDIT, false, [this](HWND dialog) {
    // A mode that no button stands for must be chosen.
    ExpectMessage("The access rights must be Read Only, Read/Write or R/W List (mode 0, 1 or 2).");
    Press(dialog, IDOK);
    Click(dialog, IDC_READ_WRITE);
    SetDlgItemTextA(dialog, IDC_PATH, "\\No Such Dir");
    ExpectMessage(
        "Cannot store the path c:\\No Such Dir: it contains a blank and the directory has no short name (does it "
        "exist?).");
    Press(dialog, IDOK);
    EXPECT_EQ(Exports(), "c:\\pub;7 \r\n");
    SetDlgItemTextA(dialog, IDC_PATH, "\\pub");
    ExpectMessage(kRestartText);
    Press(dialog, IDOK);
  });
  EXPECT_EQ(Exports(), "c:\\pub;1 \r\n");
}

// An announced line is added once, however often announced, without touching the
// file, and the extent follows the longest row; after a dialog or a box the keys
// go to the export list again.
TEST_F(ExportsTest, TheListTakesAnnouncedLinesFollowsTheSelectionAndKeepsAFailedWritesChange) {
  StartOn(kThreeExports);
  CToolBar& exports = Frame().ExportsToolBar();
  EXPECT_FALSE(exports.IsButtonEnabled(ID_EXPORT_DELETE));
  // With no selection a double click opens nothing, and Up does nothing.
  const auto doubleClick = [this] { Notify(GetParent(List().m_hWnd), IDC_EXPORT_LIST, LBN_DBLCLK); };
  doubleClick();
  const int allClientsExtent = Extent();  // 40 characters: no clients text
  const std::string appended = std::string(kThreeExports) + "c:\\bb far1 far2;2 far1\r\n";
  WriteFile(InstallPath(kExportsFileName), appended);
  Frame().SendMessage(kExportAppendedMessage);
  Frame().SendMessage(kExportAppendedMessage);
  ASSERT_EQ(List().GetCount(), 4);
  EXPECT_EQ(List().RecordAt(2)->clients, "far1, far2");  // sorted between \b and \c
  EXPECT_EQ(Exports(), appended);
  EXPECT_EQ(Extent() * 40, allClientsExtent * 50);  // 10 characters more
  // A rewrite without that entry brings it back.
  List().SetCurSel(2);
  Delete();
  EXPECT_EQ(Extent(), allClientsExtent);
  List().SetCurSel(-1);
  const std::pair<UINT, int> steps[] = {{ID_SELECT_PREVIOUS, LB_ERR}, {ID_SELECT_NEXT, 0},
                                        {ID_SELECT_PREVIOUS, 0},      {ID_SELECT_NEXT, 1},
                                        {ID_SELECT_NEXT, 2},          {ID_SELECT_NEXT, 2}};
  for (const auto& [command, expected] : steps) {
    Command(command);
    EXPECT_EQ(List().GetCurSel(), expected) << "after command " << command;
  }
  EXPECT_TRUE(exports.IsButtonEnabled(ID_EXPORT_DELETE));
  Expect(IDCANCEL, [](HWND dialog) { EXPECT_EQ(Text(dialog, IDC_PATH), "\\c"); });
  SetFocus(nullptr);
  doubleClick();
  EXPECT_EQ(GetFocus(), List().m_hWnd);
  // A selection change made by the user resets the status text.
  Frame().SetMessageText("busy");
  Frame().SendMessage(WM_COMMAND, ID_EXPORT_SELCHANGE, 0);
  EXPECT_EQ(Frame().StatusBar().GetPaneText(), "Ready");

  // Delete asks; then the next item takes the index, or the new last one is selected.
  List().SetCurSel(0);
  SetFocus(nullptr);
  Delete(IDNO);
  EXPECT_EQ(GetFocus(), List().m_hWnd);
  Delete();
  EXPECT_EQ(List().GetCurSel(), 0);
  EXPECT_EQ(Exports(), "c:\\b;0 \r\nc:\\c;0 \r\n");
  List().SetCurSel(1);
  Delete();
  EXPECT_EQ(List().GetCurSel(), 0);
  // A write that fails is said, with the file and the system's reason; the old
  // file stays whole and no temporary file is left, while the list keeps the change.
  const std::string path = InstallPath(kExportsFileName);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  ExpectMessage("Do you want to delete the selected entry?", IDYES);
  Expect(IDOK, [&](HWND box) {
    const std::string text = MessageText(box);
    EXPECT_EQ(text.rfind("Cannot write the file " + path + ": ", 0), 0u) << text;
    EXPECT_NE(text.find("; the file on disk is unchanged."), std::string::npos) << text;
  });
  Command(ID_EXPORT_DELETE);
  EXPECT_EQ(List().GetCurSel(), LB_ERR);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(Exports(), "c:\\b;0 \r\n");
  // Ours; Wine's ReplaceFileA may leave an "rf*.tmp" of its own after a failure.
  WIN32_FIND_DATAA found;
  EXPECT_EQ(FindFirstFileA(InstallPath("\\nfs*.tmp").c_str(), &found), INVALID_HANDLE_VALUE)
      << found.cFileName;
}

// Another program's change of the exports file is never written over unseen:
// a line it appended and announced only after the console's save joins the list
// once; any other change is asked about, and each answer does what it says.
TEST_F(ExportsTest, ChangesOnDiskJoinTheListOnceOrAreAskedAbout) {
  const std::string path = InstallPath(kExportsFileName);
  StartOn(kThreeExports);
  WriteFile(path, kThreeExports + std::string("c:\\f;0 \r\n"));
  List().SetCurSel(0);
  Delete();
  EXPECT_EQ(Exports(), "c:\\b;0 \r\nc:\\c;0 \r\nc:\\f;0 \r\n");
  Frame().SendMessage(kExportAppendedMessage);
  EXPECT_EQ(List().GetCount(), 3);

  const std::string rewritten = "c:\\z;0 \r\n";
  const struct {
    int answer;
    std::string file;
    int listed;
  } steps[] = {{IDCANCEL, rewritten, 2}, {IDNO, "c:\\f;0 \r\n", 1}, {IDYES, rewritten, 1}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.answer);
    WriteFile(path, rewritten);
    List().SetCurSel(0);
    ExpectMessage("Do you want to delete the selected entry?", IDYES);
    ExpectChangedQuestion(path, step.answer);
    Command(ID_EXPORT_DELETE);
    EXPECT_EQ(Exports(), step.file);
    EXPECT_EQ(List().GetCount(), step.listed);
  }
  EXPECT_EQ(List().RecordAt(0)->path, "\\z");

  // The console never read the lines after a Ctrl+Z: a write would drop them, so it asks.
  const std::string marked = rewritten + "\x1a\r\nc:\\y;0 \r\n";
  WriteFile(path, marked);
  List().SetCurSel(0);
  ExpectMessage("Do you want to delete the selected entry?", IDYES);
  ExpectMessage("Line 2 of " + path +
                    " holds an end-of-file mark (Ctrl+Z): nothing after it was read, so writing the file now "
                    "drops 1 line(s) after it.\n\nWrite the file anyway?",
                IDNO);
  Command(ID_EXPORT_DELETE);
  EXPECT_EQ(Exports(), marked);
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

// An ended logon ends the console without a question.
TEST_F(ExportsTest, HelpAboutAndLogoff) {
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
  const HWND frame = Frame().m_hWnd;
  EXPECT_TRUE(SendMessageA(frame, WM_QUERYENDSESSION, 0, 0));
  SendMessageA(frame, WM_ENDSESSION, TRUE, 0);
  EXPECT_FALSE(IsWindow(frame));
}

}  // namespace
