// The export editor driven through New and Edit: real controls, real host and
// exports files, real directories on drives E: and F: of the test's prefix.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "status/SharedWithService.h"
#include "tests/win/ConsoleFixture.h"

namespace {

const char kRestartText[] =
    "The change will not become effective until the NFS Server Service restarts from Control Panel.";
const char kInvalidDirectory[] = "Invalid directory or file name.";
const std::vector<std::string> kAllHosts = {"alpha", "beta", "gamma", "localhost"};
const std::string kLongName(70, 'n');

std::string Text(HWND dialog, int id) { return CWnd::GetWindowText(GetDlgItem(dialog, id)); }
void SetText(HWND dialog, int id, const std::string& text) { SetDlgItemTextA(dialog, id, text.c_str()); }
bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }

// The item texts of a list box, or of a combo box with its own two messages.
std::vector<std::string> Items(HWND dialog, int id, UINT countMessage = LB_GETCOUNT,
                               UINT textMessage = LB_GETTEXT) {
  std::vector<std::string> items;
  const int count = static_cast<int>(SendDlgItemMessageA(dialog, id, countMessage, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[256] = "";
    SendDlgItemMessageA(dialog, id, textMessage, i, reinterpret_cast<LPARAM>(text));
    items.emplace_back(text);
  }
  return items;
}

// The directory list keeps its names in its items' data, in list order.
std::vector<std::string> Directories(HWND dialog) {
  std::vector<std::string> names;
  const int count = static_cast<int>(SendDlgItemMessageA(dialog, IDC_DIR_LIST, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i)
    names.push_back(*reinterpret_cast<const std::string*>(
        SendDlgItemMessageA(dialog, IDC_DIR_LIST, LB_GETITEMDATA, i, 0)));
  return names;
}

void Notify(HWND dialog, int id, UINT code) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
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

void ChooseDrive(HWND dialog, const char* item) {
  ASSERT_NE(SendDlgItemMessageA(dialog, IDC_DRIVE_LIST, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>(item)),
            CB_ERR)
      << item;
  Notify(dialog, IDC_DRIVE_LIST, CBN_CLOSEUP);
}

std::string SelectedDrive(HWND dialog) {
  const LRESULT index = SendDlgItemMessageA(dialog, IDC_DRIVE_LIST, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return "";
  char text[8] = "";
  SendDlgItemMessageA(dialog, IDC_DRIVE_LIST, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return text;
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
  const ExportEntry& entry = *List().Entry(0);
  EXPECT_EQ(entry.flags, 1);
  EXPECT_EQ(entry.drive, 'c');
  EXPECT_EQ(entry.path, "\\");
  EXPECT_EQ(entry.clients, "");
  EXPECT_EQ(entry.mode, 0);
  EXPECT_EQ(entry.rwList, "");
  EXPECT_EQ(Exports(), "c:\\;0 \r\n");
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
  const ExportEntry& entry = *List().Entry(0);
  EXPECT_EQ(entry.mode, 1);
  EXPECT_EQ(entry.rwList, "alpha, beta");
  EXPECT_EQ(entry.flags, 0);
  EXPECT_EQ(Exports(), "c:\\pub alpha beta;1 alpha  beta\r\n");
}

TEST_F(ExportDlgTest, PickingHostsAndTheStoredClientTexts) {
  StartConsole();
  RunEditor(ID_EXPORT_NEW, [](HWND dialog) {
    Click(dialog, IDC_ALL_CLIENTS);
    EXPECT_EQ(Items(dialog, IDC_RW_CANDIDATES), std::vector<std::string>{});
    DoubleClickHost(dialog, IDC_HOST_LIST, "alpha");
    DoubleClickHost(dialog, IDC_HOST_LIST, "alpha");
    EXPECT_EQ(Text(dialog, IDC_CLIENTS_TEXT), "alpha, alpha");
    EXPECT_EQ(Items(dialog, IDC_RW_CANDIDATES), (std::vector<std::string>{"alpha", "alpha"}));

    // A name that would pass 127 characters is refused whole.
    const std::string full = std::string(120, 'x') + ", al";
    SetText(dialog, IDC_CLIENTS_TEXT, full);
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
    ModalScript::Press(dialog, IDOK);
  });
  const ExportEntry& entry = *List().Entry(0);
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
  EXPECT_EQ(List().Entry(0)->drive, 'E');
  EXPECT_EQ(List().Entry(0)->path, "\\pub");
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
  EXPECT_EQ(List().Entry(0)->drive, 'f');
  EXPECT_EQ(List().Entry(0)->path, "\\data");
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

    // A name too long for the browser is refused the same way, never cut.
    ExpectMessage(kInvalidDirectory);
    DoubleClickDirectory(dialog, kLongName);
    EXPECT_EQ(Directories(dialog), (std::vector<std::string>{".", "My Dir", kLongName, "pub"}));
    ModalScript::Press(dialog, IDCANCEL);
  }, false);
  EXPECT_EQ(List().GetCount(), 0);
}

TEST_F(ExportDlgTest, APathWithABlankIsStoredInItsShortForm) {
  StartConsole();
  RunEditor(ID_EXPORT_NEW, [](HWND dialog) {
    ChooseDrive(dialog, "E:");
    DoubleClickDirectory(dialog, "My Dir");
    EXPECT_EQ(Text(dialog, IDC_PATH), "\\My Dir");
    ModalScript::Press(dialog, IDOK);
  });
  const std::string stored = List().Entry(0)->path;
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
  const ExportEntry& entry = *List().Entry(0);
  EXPECT_EQ(entry.path, "\\pub");
  EXPECT_EQ(entry.flags, 0);
  EXPECT_EQ(entry.mode, 0);
  EXPECT_EQ(Exports(), exports);
}

TEST_F(ExportDlgTest, AModeThatNoButtonStandsForIsKept) {
  const char exports[] = "c:\\pub;7 \r\n";
  WriteFile(InstallPath(kExportsFileName), exports);
  StartConsole();
  List().SetCurSel(0);
  RunEditor(ID_EXPORT_EDIT, [](HWND dialog) {
    for (int id : {IDC_READ_ONLY, IDC_READ_WRITE, IDC_RW_LIST_ACCESS}) EXPECT_FALSE(Checked(dialog, id));
    ModalScript::Press(dialog, IDOK);
  });
  EXPECT_EQ(List().Entry(0)->mode, 7);
  EXPECT_EQ(Exports(), exports);
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
  EXPECT_EQ(List().Entry(0)->drive, 'f');
  EXPECT_EQ(List().Entry(0)->path, "\\data");
  SetEnvironmentVariableA("=E:", nullptr);
  SetEnvironmentVariableA("=F:", nullptr);
}

}  // namespace
