// The export editor driven through New and Edit: real controls, real host and
// exports files, real directories on drives E: and F: of the test's prefix.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "framework/ComboBox.h"
#include "tests/common/EmptyFolder.h"
#include "resources/resource.h"
#include "status/SharedWithService.h"
#include "tests/win/ConsoleFixture.h"

namespace {

const char kRestartText[] =
    "The change will not become effective until the NFS Server Service restarts from Control Panel.";
const char kInvalidDirectory[] = "Invalid directory or file name.";
const char kPathTooLong[] =
    "The path of that directory is too long for the export editor to browse (at most 124 characters, a "
    "directory name at most 62).";
const char kClientsTooLong[] =
    "The authorized clients are longer than 127 characters, the most the exports file keeps. Remove a "
    "client or export to all clients.";
const std::vector<std::string> kAllHosts = {"alpha", "beta", "gamma", "localhost"};
const std::string kLongName(70, 'n');

std::string Text(HWND dialog, int id) { return CWnd::GetWindowText(GetDlgItem(dialog, id)); }
void SetText(HWND dialog, int id, const std::string& text) { SetDlgItemTextA(dialog, id, text.c_str()); }
bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }

// The directory list keeps its names in its items' data, in list order.
std::vector<std::string> Directories(HWND dialog) {
  std::vector<std::string> names;
  const int count = static_cast<int>(SendDlgItemMessageA(dialog, IDC_DIR_LIST, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i)
    names.push_back(*reinterpret_cast<const std::string*>(
        SendDlgItemMessageA(dialog, IDC_DIR_LIST, LB_GETITEMDATA, i, 0)));
  return names;
}

// Selects an item as a click does: the selection changes, the list notifies.
void ClickDirectory(HWND dialog, const std::string& name) {
  const std::vector<std::string> names = Directories(dialog);
  const auto found = std::find(names.begin(), names.end(), name);
  ASSERT_NE(found, names.end()) << name;
  SendDlgItemMessageA(dialog, IDC_DIR_LIST, LB_SETCURSEL, found - names.begin(), 0);
  Notify(dialog, IDC_DIR_LIST, LBN_SELCHANGE);
}

void DoubleClickDirectory(HWND dialog, const std::string& name) {
  ClickDirectory(dialog, name);
  Notify(dialog, IDC_DIR_LIST, LBN_DBLCLK);
}

void DoubleClickHost(HWND dialog, int listId, const std::string& name) {
  const LRESULT index =
      SendDlgItemMessageA(dialog, listId, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                          reinterpret_cast<LPARAM>(name.c_str()));
  ASSERT_NE(index, LB_ERR) << name;
  SendDlgItemMessageA(dialog, listId, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  Notify(dialog, listId, LBN_DBLCLK);
}

// The drive list through the editor's own wrapper of it.
CComboBox& Drives(HWND dialog) { return *static_cast<CComboBox*>(CWnd::FromHandle(GetDlgItem(dialog, IDC_DRIVE_LIST))); }

void ChooseDrive(HWND dialog, const char* item) {
  CComboBox& drives = Drives(dialog);
  ASSERT_NE(drives.SetCurSel(drives.FindStringExact(-1, item)), CB_ERR) << item;
  Notify(dialog, IDC_DRIVE_LIST, CBN_CLOSEUP);
}

std::string SelectedDrive(HWND dialog) {
  const int index = Drives(dialog).GetCurSel();
  return index == CB_ERR ? "" : Drives(dialog).GetLBText(index);
}

class ExportDlgTest : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    WriteFile(std::string(system) + "\\drivers\\etc\\hosts",
              "# hosts of the test\r\n127.0.0.1 localhost\r\n\r\n10.0.0.2 beta\r\n"
              "10.0.0.1 alpha alpha.lab\r\n10.0.0.3 gamma\r\n");
    ASSERT_EQ(GetDriveTypeA("E:\\"), static_cast<UINT>(DRIVE_FIXED)) << "run with WINE_EXTRA_DRIVES=ef";
    // The tests of one prefix share its drives: each starts from the same folders.
    for (const char* drive : {"A:", "B:", "E:", "F:"}) EmptyFolder(drive);
    for (const char* dir : {"E:\\pub", "E:\\pub\\docs", "E:\\My Dir", "E:\\gone", "F:\\data", "A:\\a", "B:\\b"})
      CreateDirectoryA(dir, nullptr);
    CreateDirectoryA(("E:\\" + kLongName).c_str(), nullptr);
  }

  std::string Exports() const { return ReadFile(InstallPath(kExportsFileName)); }

  // Runs New or Edit with step driving the editor; OK then expects message 1003.
  void RunEditor(UINT command, std::function<void(HWND)> step, bool expectRestartMessage = true) {
    script_.Then([step](HWND dialog) {
      ASSERT_EQ(CWnd::GetWindowText(dialog), "NFS Server Export");
      step(dialog);
    });
    if (expectRestartMessage) ExpectMessage(kRestartText);
    Command(command);
  }
};

TEST_F(ExportDlgTest, NewStartsWithTheDefaultsAndStoresThem) {
  StartConsole();
  RunEditor(ID_EXPORT_NEW, [](HWND dialog) {
    EXPECT_EQ(SelectedDrive(dialog), "C:");
    const std::vector<std::string> drives = Items(dialog, IDC_DRIVE_LIST, CB_GETCOUNT, CB_GETLBTEXT);
    EXPECT_EQ(std::count(drives.begin(), drives.end(), "E:"), 1);
    EXPECT_EQ(std::count(drives.begin(), drives.end(), "F:"), 1);
    EXPECT_EQ(std::count(drives.begin(), drives.end(), "G:"), 0);  // not mapped
    for (const char* floppy : {"A:", "B:"}) EXPECT_EQ(std::count(drives.begin(), drives.end(), floppy), 0);
    EXPECT_EQ(Text(dialog, IDC_PATH), "\\");
    EXPECT_TRUE(Checked(dialog, IDC_ALL_CLIENTS));
    for (int id : {IDC_AUTHORIZED_LABEL, IDC_CLIENTS_LABEL, IDC_CLIENTS_TEXT, IDC_HOST_LIST, IDC_CLEAR})
      EXPECT_FALSE(Enabled(dialog, id)) << id;
    EXPECT_TRUE(Checked(dialog, IDC_READ_ONLY));
    EXPECT_FALSE(Enabled(dialog, IDC_RW_LIST_TEXT));
    EXPECT_FALSE(Enabled(dialog, IDC_RW_CANDIDATES));
    EXPECT_EQ(Items(dialog, IDC_HOST_LIST), kAllHosts);
    EXPECT_EQ(Items(dialog, IDC_RW_CANDIDATES), kAllHosts);

    // The tab order is the template order of the controls that take the focus.
    std::vector<int> tabOrder;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      if (GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) tabOrder.push_back(GetDlgCtrlID(child));
    EXPECT_EQ(tabOrder, (std::vector<int>{121, 131, 141, 111, 132, 142, 1, 2, 101, 133, 143, 151}));
    ModalScript::Press(dialog, IDOK);
  });
  ASSERT_EQ(List().GetCount(), 1);
  const ExportEntry& entry = *List().RecordAt(0);
  EXPECT_EQ(entry.flags, 1);
  EXPECT_EQ(entry.drive, 'c');
  EXPECT_EQ(entry.path, "\\");
  EXPECT_EQ(entry.clients, "");
  EXPECT_EQ(entry.mode, 0);
  EXPECT_EQ(entry.rwList, "");
  EXPECT_EQ(Exports(), "c:\\;0 \r\n");
}

// The host lists are filled in one go, in the order the sorted list box itself
// gives when names are added one by one. Spellings of one name in other cases
// compare equal, so among them the order is the list box's whim: compared folded.
TEST_F(ExportDlgTest, HostListsHoldTheListBoxesOwnOrder) {
  const std::vector<std::string> names = {"beta", "Alpha", "zed", "alpha", "_svc", "Beta2", "a_b", "ALPHA", "b"};
  std::string hosts;
  for (size_t i = 0; i < names.size(); ++i) hosts += "10.0.0." + std::to_string(i + 1) + " " + names[i] + "\r\n";
  char system[MAX_PATH];
  GetSystemDirectoryA(system, sizeof system);
  WriteFile(std::string(system) + "\\drivers\\etc\\hosts", hosts);
  const auto folded = [](std::vector<std::string> items) {
    for (std::string& item : items) CharLowerA(item.data());
    return items;
  };
  const HWND sorted = CreateWindowA("LISTBOX", nullptr, LBS_SORT | LBS_HASSTRINGS, 0, 0, 10, 10, nullptr, nullptr,
                                    nullptr, nullptr);
  for (const std::string& name : names) SendMessageA(sorted, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  std::vector<std::string> expected;
  for (int i = 0; i < static_cast<int>(names.size()); ++i) {
    char text[64] = "";
    SendMessageA(sorted, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    expected.emplace_back(text);
  }
  DestroyWindow(sorted);
  expected = folded(expected);

  StartConsole();
  RunEditor(ID_EXPORT_NEW, [&](HWND dialog) {
    EXPECT_EQ(folded(Items(dialog, IDC_HOST_LIST)), expected);
    Click(dialog, IDC_ALL_CLIENTS);
    Click(dialog, IDC_ALL_CLIENTS);
    EXPECT_EQ(folded(Items(dialog, IDC_RW_CANDIDATES)), expected);
    ModalScript::Press(dialog, IDCANCEL);
  }, false);
}

TEST_F(ExportDlgTest, CheckBoxAndAccessChoiceRefillAndEnable) {
  WriteFile(InstallPath(kExportsFileName), "c:\\pub alpha beta;2 alpha\r\n");
  StartConsole();
  List().SetCurSel(0);
  RunEditor(ID_EXPORT_EDIT, [](HWND dialog) {
    EXPECT_FALSE(Checked(dialog, IDC_ALL_CLIENTS));
    EXPECT_EQ(Text(dialog, IDC_CLIENTS_TEXT), "alpha, beta");
    for (int id : {IDC_AUTHORIZED_LABEL, IDC_CLIENTS_LABEL, IDC_CLIENTS_TEXT, IDC_HOST_LIST, IDC_CLEAR})
      EXPECT_TRUE(Enabled(dialog, id)) << id;
    EXPECT_TRUE(Checked(dialog, IDC_RW_LIST_ACCESS));
    EXPECT_TRUE(Enabled(dialog, IDC_RW_CANDIDATES));
    EXPECT_EQ(Items(dialog, IDC_RW_CANDIDATES), (std::vector<std::string>{"alpha", "beta"}));

    Click(dialog, IDC_ALL_CLIENTS);
    EXPECT_EQ(Items(dialog, IDC_RW_CANDIDATES), kAllHosts);
    EXPECT_EQ(Text(dialog, IDC_CLIENTS_TEXT), "alpha, beta");
    EXPECT_FALSE(Enabled(dialog, IDC_CLIENTS_TEXT));
    EXPECT_TRUE(Enabled(dialog, IDC_RW_CANDIDATES));  // the access choice rules it
    Click(dialog, IDC_ALL_CLIENTS);
    EXPECT_EQ(Items(dialog, IDC_RW_CANDIDATES), (std::vector<std::string>{"alpha", "beta"}));

    DoubleClickHost(dialog, IDC_RW_CANDIDATES, "beta");
    EXPECT_EQ(Text(dialog, IDC_RW_LIST_TEXT), "alpha, beta");
    EXPECT_EQ(Items(dialog, IDC_RW_CANDIDATES).size(), 2u);  // picking here adds to no list

    // Read/Write disables the R/W list but keeps its text, which is still stored.
    Click(dialog, IDC_READ_WRITE);
    EXPECT_FALSE(Enabled(dialog, IDC_RW_LIST_TEXT));
    EXPECT_FALSE(Enabled(dialog, IDC_RW_CANDIDATES));
    EXPECT_EQ(Text(dialog, IDC_RW_LIST_TEXT), "alpha, beta");
    ModalScript::Press(dialog, IDOK);
  });
  const ExportEntry& entry = *List().RecordAt(0);
  EXPECT_EQ(entry.mode, 1);
  EXPECT_EQ(entry.rwList, "alpha, beta");
  EXPECT_EQ(entry.flags, 0);
  EXPECT_EQ(Exports(), "c:\\pub alpha beta;1 alpha  beta\r\n");
}

TEST_F(ExportDlgTest, PickingHostsAndTheStoredClientTexts) {
  StartConsole();
  RunEditor(ID_EXPORT_NEW, [this](HWND dialog) {
    Click(dialog, IDC_ALL_CLIENTS);
    EXPECT_EQ(Items(dialog, IDC_RW_CANDIDATES), std::vector<std::string>{});
    DoubleClickHost(dialog, IDC_HOST_LIST, "alpha");
    DoubleClickHost(dialog, IDC_HOST_LIST, "alpha");
    EXPECT_EQ(Text(dialog, IDC_CLIENTS_TEXT), "alpha, alpha");
    EXPECT_EQ(Items(dialog, IDC_RW_CANDIDATES), (std::vector<std::string>{"alpha", "alpha"}));

    // A name that would pass 127 characters is refused whole, and said so.
    const std::string full = std::string(120, 'x') + ", al";
    SetText(dialog, IDC_CLIENTS_TEXT, full);
    ExpectMessage(kClientsTooLong);
    DoubleClickHost(dialog, IDC_HOST_LIST, "gamma");
    EXPECT_EQ(Text(dialog, IDC_CLIENTS_TEXT), full);
    EXPECT_EQ(Items(dialog, IDC_RW_CANDIDATES).size(), 2u);

    SetText(dialog, IDC_RW_LIST_TEXT, "alpha");
    Click(dialog, IDC_CLEAR);
    EXPECT_EQ(Text(dialog, IDC_CLIENTS_TEXT), "");
    EXPECT_EQ(Text(dialog, IDC_RW_LIST_TEXT), "");
    EXPECT_EQ(Items(dialog, IDC_RW_CANDIDATES), std::vector<std::string>{});

    SetText(dialog, IDC_CLIENTS_TEXT, " alpha,, beta  gamma ");
    SetText(dialog, IDC_RW_LIST_TEXT, " alpha,, beta  gamma ");
    Click(dialog, IDC_RW_LIST_ACCESS);
    EXPECT_TRUE(Enabled(dialog, IDC_RW_LIST_TEXT));
    ExpectMessage(kRestartText);
    ModalScript::Press(dialog, IDOK);
  }, false);
  const ExportEntry& entry = *List().RecordAt(0);
  EXPECT_EQ(entry.flags, 0);
  EXPECT_EQ(entry.clients, "alpha, beta, gamma");
  EXPECT_EQ(entry.rwList, " alpha,, beta  gamma ");
  EXPECT_EQ(entry.mode, 2);
}

TEST_F(ExportDlgTest, EditShowsTheStoredPathAndKeepsAnUpperCaseDrive) {
  WriteFile(InstallPath(kExportsFileName), "E:\\pub\\;0 \r\n");
  StartConsole();
  List().SetCurSel(0);
  RunEditor(ID_EXPORT_EDIT, [](HWND dialog) {
    EXPECT_EQ(SelectedDrive(dialog), "");
    EXPECT_EQ(Text(dialog, IDC_PATH), "\\pub");
    EXPECT_EQ(Directories(dialog), (std::vector<std::string>{"..", "docs"}));
    ModalScript::Press(dialog, IDOK);
  });
  EXPECT_EQ(List().RecordAt(0)->drive, 'E');
  EXPECT_EQ(List().RecordAt(0)->path, "\\pub");
  EXPECT_EQ(Exports(), "E:\\pub;0 \r\n");

  // Picking a drive in the list stores that drive's lower-case letter.
  RunEditor(ID_EXPORT_EDIT, [](HWND dialog) {
    ChooseDrive(dialog, "F:");
    ModalScript::Press(dialog, IDOK);
  });
  EXPECT_EQ(Exports(), "f:\\;0 \r\n");
}

TEST_F(ExportDlgTest, WithoutAHostsFileTheCandidatesAreTheEntrysClients) {
  char system[MAX_PATH];
  GetSystemDirectoryA(system, sizeof system);
  DeleteFileA((std::string(system) + "\\drivers\\etc\\hosts").c_str());
  WriteFile(InstallPath(kExportsFileName), "c:\\pub alpha beta;2 alpha\r\n");
  StartConsole();
  List().SetCurSel(0);
  script_.Then([](HWND dialog) {
    EXPECT_EQ(Items(dialog, IDC_HOST_LIST), std::vector<std::string>{});
    EXPECT_EQ(Items(dialog, IDC_RW_CANDIDATES), (std::vector<std::string>{"alpha", "beta"}));
    ModalScript::Press(dialog, IDCANCEL);
  });
  Command(ID_EXPORT_EDIT);
}

TEST_F(ExportDlgTest, BrowsingDrivesIntoUpAndOutOfDirectories) {
  StartConsole();
  RunEditor(ID_EXPORT_NEW, [](HWND dialog) {
    ChooseDrive(dialog, "E:");
    EXPECT_EQ(Text(dialog, IDC_PATH), "\\");
    const std::vector<std::string> root = {".", "My Dir", "gone", kLongName, "pub"};
    EXPECT_EQ(Directories(dialog), root);

    DoubleClickDirectory(dialog, "pub");
    EXPECT_EQ(Text(dialog, IDC_PATH), "\\pub");
    EXPECT_EQ(Directories(dialog), (std::vector<std::string>{"..", "docs"}));
    ClickDirectory(dialog, "docs");
    EXPECT_EQ(Text(dialog, IDC_PATH), "\\pub\\docs");
    ClickDirectory(dialog, "..");
    EXPECT_EQ(Text(dialog, IDC_PATH), "\\pub");

    DoubleClickDirectory(dialog, "docs");
    EXPECT_EQ(Text(dialog, IDC_PATH), "\\pub\\docs");
    EXPECT_EQ(Directories(dialog), std::vector<std::string>{".."});
    DoubleClickDirectory(dialog, "..");
    DoubleClickDirectory(dialog, "..");
    EXPECT_EQ(Text(dialog, IDC_PATH), "\\");
    EXPECT_EQ(Directories(dialog), root);
    DoubleClickDirectory(dialog, ".");
    EXPECT_EQ(Directories(dialog), root);

    ChooseDrive(dialog, "F:");
    EXPECT_EQ(Text(dialog, IDC_PATH), "\\");
    EXPECT_EQ(Directories(dialog), (std::vector<std::string>{".", "data"}));
    DoubleClickDirectory(dialog, "data");
    ModalScript::Press(dialog, IDOK);
  });
  EXPECT_EQ(List().RecordAt(0)->drive, 'f');
  EXPECT_EQ(List().RecordAt(0)->path, "\\data");
}

TEST_F(ExportDlgTest, ADirectoryThatCannotBeEnteredIsRefused) {
  StartConsole();
  RunEditor(ID_EXPORT_NEW, [this](HWND dialog) {
    ChooseDrive(dialog, "E:");
    // Gone between listing and double click: nothing can be listed there.
    ASSERT_TRUE(RemoveDirectoryA("E:\\gone"));
    ExpectMessage(kInvalidDirectory);
    DoubleClickDirectory(dialog, "gone");
    // The browser stays at the root, listed anew; the path field keeps the click's text.
    EXPECT_EQ(Directories(dialog), (std::vector<std::string>{".", "My Dir", kLongName, "pub"}));
    EXPECT_EQ(Text(dialog, IDC_PATH), "\\gone");

    // A name too long for the browser is refused, never cut, and said so.
    ExpectMessage(kPathTooLong);
    DoubleClickDirectory(dialog, kLongName);
    EXPECT_EQ(Directories(dialog), (std::vector<std::string>{".", "My Dir", kLongName, "pub"}));
    ModalScript::Press(dialog, IDCANCEL);
  }, false);
  EXPECT_EQ(List().GetCount(), 0);
}

// Below a directory of 120 characters a click on a name that would pass 127
// leaves the path field as it was, without a box, so the arrow keys pass over it.
TEST_F(ExportDlgTest, AClickPastThePathLimitLeavesThePathField) {
  const std::string first = "\\" + std::string(60, 'a');
  const std::string deep = first + "\\" + std::string(55, 'b');
  for (const std::string& dir : {first, deep, deep + "\\child-name"}) CreateDirectoryA(("E:" + dir).c_str(), nullptr);
  WriteFile(InstallPath(kExportsFileName), "e:" + deep + ";0 \r\n");
  StartConsole();
  List().SetCurSel(0);
  RunEditor(ID_EXPORT_EDIT, [&](HWND dialog) {
    EXPECT_EQ(Text(dialog, IDC_PATH), deep);
    ClickDirectory(dialog, "child-name");
    EXPECT_EQ(Text(dialog, IDC_PATH), deep);
    ExpectMessage(kPathTooLong);
    DoubleClickDirectory(dialog, "child-name");
    EXPECT_EQ(Directories(dialog), (std::vector<std::string>{"..", "child-name"}));
    ModalScript::Press(dialog, IDCANCEL);
  }, false);
}

TEST_F(ExportDlgTest, APathWithABlankIsStoredInItsShortForm) {
  StartConsole();
  RunEditor(ID_EXPORT_NEW, [](HWND dialog) {
    ChooseDrive(dialog, "E:");
    DoubleClickDirectory(dialog, "My Dir");
    EXPECT_EQ(Text(dialog, IDC_PATH), "\\My Dir");
    ModalScript::Press(dialog, IDOK);
  });
  const std::string stored = List().RecordAt(0)->path;
  EXPECT_EQ(stored.find(' '), std::string::npos) << stored;
  char longPath[MAX_PATH] = "";
  GetLongPathNameA(("e:" + stored).c_str(), longPath, sizeof longPath);
  EXPECT_EQ(lstrcmpiA(longPath, "e:\\My Dir"), 0) << longPath;
  EXPECT_EQ(Exports(), "e:" + stored + ";0 \r\n");
}

TEST_F(ExportDlgTest, APathWithABlankAndNoShortFormKeepsTheDialogOpen) {
  StartConsole();
  RunEditor(ID_EXPORT_NEW, [this](HWND dialog) {
    SetText(dialog, IDC_PATH, "\\No Such Dir");
    ExpectMessage("Cannot store the path c:\\No Such Dir: it contains a blank and the directory "
                  "has no short name (does it exist?).");
    ModalScript::Press(dialog, IDOK);
    ASSERT_TRUE(IsWindow(dialog));
    EXPECT_EQ(Text(dialog, IDC_PATH), "\\No Such Dir");
    ModalScript::Press(dialog, IDCANCEL);
  }, false);
  EXPECT_EQ(List().GetCount(), 0);
  EXPECT_EQ(GetFileAttributesA(InstallPath(kExportsFileName).c_str()), INVALID_FILE_ATTRIBUTES);
}

// Whatever the exports file would carry so that it reads back as something else
// is refused at OK with the reason: the dialog stays open and nothing is stored.
TEST_F(ExportDlgTest, ValuesTheFileCannotCarryAreRefusedAtOk) {
  const std::string p127 = "\\" + std::string(126, 'p');
  const std::string h127(127, 'h');
  const auto hostMessage = [](const std::string& host) {
    return "Cannot store the host name " + host +
           ": the exports file cannot carry a tab, '#', ';', ':' or a control character in a host name.";
  };
  const auto pathMessage = [](const std::string& path) {
    return "Cannot store the path c:" + path +
           ": the exports file cannot carry a tab, '#', ';' or a control character in a path.";
  };
  struct Case {
    std::string path;
    std::string clients;  // empty: exported to all clients
    std::string rwList;   // not empty: access "R/W List"
    std::string message;
  };
  const Case cases[] = {
      {"\\users", "good, bad;1 evil", "", hostMessage("bad;1")},
      {"\\users", "x#y", "", hostMessage("x#y")},
      {"\\users", "host:z", "", hostMessage("host:z")},
      {"\\users", "a\tb", "", hostMessage("a\tb")},
      {"\\users", "a\x01", "", hostMessage("a\x01")},
      {"\\users", "", "alpha;1 beta", hostMessage("alpha;1")},
      {"\\users", "", "alpha:1", hostMessage("alpha:1")},
      {"\\proj#1", "alpha", "", pathMessage("\\proj#1")},
      {"\\a;1", "", "", pathMessage("\\a;1")},
      {"\\a\tb", "", "", pathMessage("\\a\tb")},
      {"\\a\x1f", "", "", pathMessage("\\a\x1f")},
      {"", "", "", "Please enter the path of the directory to export."},
      {p127 + "p", "", "",
       "Cannot store the path c:" + p127 + "p: it is longer than 127 characters, the most the exports file keeps."},
      {"\\users", h127 + "h", "", kClientsTooLong},
      {"\\users", "", h127 + "h",
       "The R/W list is longer than 127 characters, the most the exports file keeps. Remove a client from it."},
  };
  StartConsole();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    RunEditor(ID_EXPORT_NEW, [&](HWND dialog) {
      if (!c.clients.empty()) Click(dialog, IDC_ALL_CLIENTS);
      if (!c.rwList.empty()) Click(dialog, IDC_RW_LIST_ACCESS);
      SetText(dialog, IDC_PATH, c.path);
      SetText(dialog, IDC_CLIENTS_TEXT, c.clients);
      SetText(dialog, IDC_RW_LIST_TEXT, c.rwList);
      ExpectMessage(c.message);
      ModalScript::Press(dialog, IDOK);
      ASSERT_TRUE(IsWindow(dialog));
      EXPECT_EQ(Text(dialog, IDC_PATH), c.path);
      ModalScript::Press(dialog, IDCANCEL);
    }, false);
  }
  EXPECT_EQ(List().GetCount(), 0);
  EXPECT_EQ(GetFileAttributesA(InstallPath(kExportsFileName).c_str()), INVALID_FILE_ATTRIBUTES);

  // 127 characters are kept whole and read back as they were.
  RunEditor(ID_EXPORT_NEW, [&](HWND dialog) {
    Click(dialog, IDC_ALL_CLIENTS);
    Click(dialog, IDC_RW_LIST_ACCESS);
    SetText(dialog, IDC_PATH, p127);
    SetText(dialog, IDC_CLIENTS_TEXT, h127);
    SetText(dialog, IDC_RW_LIST_TEXT, h127);
    ModalScript::Press(dialog, IDOK);
  });
  EXPECT_EQ(Exports(), "c:" + p127 + " " + h127 + ";2 " + h127 + "\r\n");
}

TEST_F(ExportDlgTest, CancelChangesNothing) {
  const char exports[] = "c:\\pub alpha;0 \r\n";
  WriteFile(InstallPath(kExportsFileName), exports);
  StartConsole();
  List().SetCurSel(0);
  RunEditor(ID_EXPORT_EDIT, [](HWND dialog) {
    Click(dialog, IDC_ALL_CLIENTS);
    SetText(dialog, IDC_PATH, "\\other");
    Click(dialog, IDC_READ_WRITE);
    ModalScript::Press(dialog, IDCANCEL);
  }, false);
  const ExportEntry& entry = *List().RecordAt(0);
  EXPECT_EQ(entry.path, "\\pub");
  EXPECT_EQ(entry.flags, 0);
  EXPECT_EQ(entry.mode, 0);
  EXPECT_EQ(Exports(), exports);
}

TEST_F(ExportDlgTest, AModeThatNoButtonStandsForMustBeChosen) {
  const char exports[] = "c:\\pub;7 \r\n";
  WriteFile(InstallPath(kExportsFileName), exports);
  StartConsole();
  List().SetCurSel(0);
  RunEditor(ID_EXPORT_EDIT, [this](HWND dialog) {
    for (int id : {IDC_READ_ONLY, IDC_READ_WRITE, IDC_RW_LIST_ACCESS}) EXPECT_FALSE(Checked(dialog, id));
    ExpectMessage("The access rights must be Read Only, Read/Write or R/W List (mode 0, 1 or 2).");
    ModalScript::Press(dialog, IDOK);
    ASSERT_TRUE(IsWindow(dialog));
    Click(dialog, IDC_READ_WRITE);
    ExpectMessage(kRestartText);
    ModalScript::Press(dialog, IDOK);
  }, false);
  EXPECT_EQ(List().RecordAt(0)->mode, 1);
  EXPECT_EQ(Exports(), "c:\\pub;1 \r\n");
}

// A drive's own current directory comes from the process's "=X:" variable.
TEST_F(ExportDlgTest, DriveChangeStartsAtTheDrivesCurrentDirectoryOrIsRefused) {
  SetEnvironmentVariableA("=F:", "F:\\data");
  SetEnvironmentVariableA("=E:", ("E:\\" + kLongName).c_str());  // past 62 characters
  StartConsole();
  RunEditor(ID_EXPORT_NEW, [](HWND dialog) {
    ChooseDrive(dialog, "F:");
    EXPECT_EQ(Text(dialog, IDC_PATH), "\\data");
    EXPECT_EQ(Directories(dialog), std::vector<std::string>{".."});

    ChooseDrive(dialog, "E:");
    EXPECT_EQ(SelectedDrive(dialog), "F:");
    EXPECT_EQ(Text(dialog, IDC_PATH), "\\data");
    ModalScript::Press(dialog, IDOK);
  });
  EXPECT_EQ(List().RecordAt(0)->drive, 'f');
  EXPECT_EQ(List().RecordAt(0)->path, "\\data");
  SetEnvironmentVariableA("=E:", nullptr);
  SetEnvironmentVariableA("=F:", nullptr);
}

}  // namespace
