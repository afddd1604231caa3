// The "Clients Information" sheet opened by command 104 on a test installation:
// its pages driven with real messages, the service's files read back byte for byte.
#include "tests/win/ConsoleFixture.h"

#include <commctrl.h>

#include <functional>
#include <optional>
#include <vector>

#include "resources/resource.h"
#include "status/LockRecord.h"
#include "status/SharedWithService.h"

namespace {

using namespace std::literals;

const char kClearQuestion[] =
    "You have to make sure that no client is mounting this server before you go on  with this command . "
    "\nClearing the mount list can not stop the active connection.\n\nAre you sure you want to clear it ?";
const char kNoSelection[] = "No locks is selected, try again !";
const char kNotRemovable[] =
    "This lock cannot be removed from here: its line does not give back the lock exactly (a name holding a "
    "colon, or a line cut to fit the list). No unlock request was written.";

// An install directory spelled with "\." steps, so that its path is long while
// it names the test's own directory.
std::string LongSpelling(const char* dir, size_t length) {
  std::string spelled = dir;
  while (spelled.size() + 2 <= length) spelled += "\\.";
  return spelled;
}

class ClientSheetTest : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    for (const char* name : {kMountListFileName, kLockFileName, kUnlockFileName}) DeleteFileA(File(name).c_str());
    SetRegistryString(kInstallDirKey, kInstallDirValue, kInstallDir);
  }
  void TearDown() override {
    ConsoleTest::TearDown();
    DeleteRegistryKey(kInstallDirKey);
  }

  static std::string File(const char* name) { return std::string(kInstallDir) + "\\" + name; }
  static bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

  // Opens the sheet with command 104, runs look on it, then closes it with OK.
  void WithSheet(std::function<void(HWND sheet)> look) {
    script_.Then([this, look](HWND sheet) {
      EXPECT_EQ(CWnd::GetWindowText(sheet), "Clients Information");
      EXPECT_EQ(GetWindow(sheet, GW_OWNER), Frame().m_hWnd);
      look(sheet);
      PropSheet_PressButton(sheet, PSBTN_OK);
    });
    Command(ID_CLIENTS);
    EXPECT_EQ(script_.PendingSteps(), 0u);
  }
  static HWND ShowPage(HWND sheet, int index) {
    PropSheet_SetCurSel(sheet, nullptr, index);
    return PropSheet_GetCurrentPageHwnd(sheet);
  }
  static std::string MountedText(HWND sheet) {
    return CWnd::GetWindowText(GetDlgItem(ShowPage(sheet, 0), IDC_MOUNTED_CLIENTS));
  }
  static std::vector<std::string> LockLines(HWND page) {
    HWND list = GetDlgItem(page, IDC_LOCK_LIST);
    std::vector<std::string> lines;
    for (LRESULT i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
      std::string line(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)), '\0');
      SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()));
      lines.push_back(line);
    }
    return lines;
  }
  // Selects a line (or none with -1) and presses "Remove".
  static void Remove(HWND page, int index) {
    SendMessageA(GetDlgItem(page, IDC_LOCK_LIST), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ModalScript::Press(page, IDC_REMOVE_LOCK);
  }
};

std::string Records(const std::vector<LockRecord>& records) {
  std::string bytes;
  for (const LockRecord& record : records) bytes += EncodeLockRecord(record);
  return bytes;
}

const LockRecord kWorkstation{"workstation12", "/export/home/ann", "opaque-bytes", 7, 1, 2};
const LockRecord kPc7{"pc7", "/export/notes01", "x", 412, 0, 100};

// What "Remove" of the line pc7:/export/notes01:412:0:100 appends: each field
// with its length, the opaque block being the line's first 20 bytes with the two
// colons zeroed, then 412, 0 and 100 as 4, 8 and 8 bytes.
const std::string kPc7Unlock =
    "\x03\0\0\0pc7"
    "\x0f\0\0\0/export/notes01"
    "\x14\0\0\0pc7\0/export/notes01\0"
    "\x9c\x01\0\0"
    "\0\0\0\0\0\0\0\0"
    "\x64\0\0\0\0\0\0\0"s;

TEST_F(ClientSheetTest, MountedClientsShowTheFileUpToItsFirstZeroWithLineBreaks) {
  StartConsole();
  const struct {
    std::optional<std::string> file;
    std::string shown;
  } cases[] = {
      {std::nullopt, ""},
      {"", ""},
      {"pc7 /export\r\npc8 /home\r\n", "pc7 /export\r\npc8 /home\r\n"},
      {"pc7 /export\npc8 /home\n", "pc7 /export\r\npc8 /home\r\n"},
      {"pc7 /export\r\n\0pc9 /hidden\r\n"s, "pc7 /export\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file.value_or("(no file)"));
    if (c.file) WriteFile(File(kMountListFileName), *c.file);
    WithSheet([&](HWND sheet) { EXPECT_EQ(MountedText(sheet), c.shown); });
    // Showing never changes the file.
    if (c.file) {
      EXPECT_EQ(ReadFile(File(kMountListFileName)), *c.file);
    } else {
      EXPECT_FALSE(Exists(File(kMountListFileName)));
    }
  }
}

TEST_F(ClientSheetTest, ClearAllAsksThenEmptiesOrCreatesTheFile) {
  StartConsole();
  const std::string list = "pc7 /export\n";
  WriteFile(File(kMountListFileName), list);
  WithSheet([&](HWND sheet) {
    HWND page = ShowPage(sheet, 0);
    // No: file and edit stay.
    ExpectMessage(kClearQuestion, IDNO);
    ModalScript::Press(page, IDC_CLEAR_ALL);
    EXPECT_EQ(MountedText(sheet), "pc7 /export\r\n");
    EXPECT_EQ(ReadFile(File(kMountListFileName)), list);
    // The button with the id of Cancel did not close the sheet.
    EXPECT_TRUE(IsWindowVisible(sheet));

    ExpectMessage(kClearQuestion, IDYES);
    ModalScript::Press(page, IDC_CLEAR_ALL);
    EXPECT_EQ(MountedText(sheet), "");
    EXPECT_TRUE(Exists(File(kMountListFileName)));
    EXPECT_EQ(ReadFile(File(kMountListFileName)), "");

    // A missing file is created empty.
    DeleteFileA(File(kMountListFileName).c_str());
    ExpectMessage(kClearQuestion, IDYES);
    ModalScript::Press(page, IDC_CLEAR_ALL);
    EXPECT_TRUE(Exists(File(kMountListFileName)));
    EXPECT_EQ(ReadFile(File(kMountListFileName)), "");
  });

  // Without the install directory the question is still asked, and nothing is
  // written or emptied.
  WriteFile(File(kMountListFileName), list);
  WithSheet([&](HWND sheet) {
    DeleteRegistryKey(kInstallDirKey);
    ExpectMessage(kClearQuestion, IDYES);
    ModalScript::Press(ShowPage(sheet, 0), IDC_CLEAR_ALL);
    EXPECT_EQ(MountedText(sheet), "pc7 /export\r\n");
  });
  EXPECT_EQ(ReadFile(File(kMountListFileName)), list);
}

TEST_F(ClientSheetTest, InstallDirectoryWithOrWithoutBackslashAndTooLong) {
  ASSERT_EQ(GetDriveTypeA("E:\\"), static_cast<UINT>(DRIVE_FIXED)) << "run with WINE_EXTRA_DRIVES=ef";
  CreateDirectoryA("E:\\srv", nullptr);
  WriteFile("E:\\srv\\mountd.list", "pc7 /e\r\n");
  WriteFile(File(kMountListFileName), "pc8 /c\r\n");
  // "\mountd.list" has 12 characters; a path holds at most 259.
  const std::string fits = LongSpelling(kInstallDir, 247), tooLong = LongSpelling(kInstallDir, 249);
  ASSERT_EQ(fits.size(), 247u);
  ASSERT_EQ(tooLong.size(), 249u);
  StartConsole();
  const struct {
    std::string dir;
    std::string shown;
  } cases[] = {
      {"E:\\srv\\", "pc7 /e\r\n"},
      {"E:\\srv", "pc7 /e\r\n"},
      {fits, "pc8 /c\r\n"},
      {tooLong, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dir);
    SetRegistryString(kInstallDirKey, kInstallDirValue, c.dir);
    WithSheet([&](HWND sheet) { EXPECT_EQ(MountedText(sheet), c.shown); });
  }

  // Too long: "Clear All" touches no file, not even one named by a cut path.
  const std::string cut = (tooLong + "\\mountd.list").substr(0, 259);
  WithSheet([&](HWND sheet) {
    ExpectMessage(kClearQuestion, IDYES);
    ModalScript::Press(ShowPage(sheet, 0), IDC_CLEAR_ALL);
  });
  EXPECT_EQ(ReadFile(File(kMountListFileName)), "pc8 /c\r\n");
  EXPECT_FALSE(Exists(cut));
}

TEST_F(ClientSheetTest, CurrentLocksListOneLinePerWholeRecord) {
  StartConsole();
  const LockRecord wide{"big", "/n", "", -1, (int64_t{1} << 32) + 5, 2147483648};
  const struct {
    std::optional<std::string> file;
    std::vector<std::string> lines;
  } cases[] = {
      {std::nullopt, {}},
      {"", {}},
      {Records({kWorkstation, kPc7}),
       {"workstation12:/export/home/ann:7:1:2", "pc7:/export/notes01:412:0:100"}},
      {Records({kPc7, kPc7, kPc7}) + "1234567", std::vector<std::string>(3, "pc7:/export/notes01:412:0:100")},
      {Records({wide}), {"big:/n:-1:5:-2147483648"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lines.size());
    if (c.file) WriteFile(File(kLockFileName), *c.file);
    WithSheet([&](HWND sheet) {
      // Not read before its tab is first shown.
      EXPECT_EQ(PropSheet_IndexToHwnd(sheet, 1), nullptr);
      EXPECT_EQ(LockLines(ShowPage(sheet, 1)), c.lines);
    });
  }
}

TEST_F(ClientSheetTest, RemoveAppendsTheUnlockRecordOfTheSelectedLine) {
  const std::string locks = Records({kWorkstation, kPc7});
  WriteFile(File(kLockFileName), locks);
  StartConsole();
  WithSheet([&](HWND sheet) {
    HWND page = ShowPage(sheet, 1);
    ExpectMessage(kNoSelection);
    Remove(page, -1);
    EXPECT_EQ(LockLines(page).size(), 2u);
    EXPECT_FALSE(Exists(File(kUnlockFileName)));

    Remove(page, 1);
    EXPECT_EQ(LockLines(page), std::vector<std::string>{"workstation12:/export/home/ann:7:1:2"});
    ASSERT_EQ(kPc7Unlock.size(), 70u);
    EXPECT_EQ(ReadFile(File(kUnlockFileName)), kPc7Unlock);

    // The next request goes after it; the service's file of locks is not touched.
    Remove(page, 0);
    EXPECT_TRUE(LockLines(page).empty());
    const std::string unlock = ReadFile(File(kUnlockFileName));
    EXPECT_EQ(unlock.substr(0, 70), kPc7Unlock);
    EXPECT_EQ(unlock.substr(70, 17), "\x0d\0\0\0workstation12"s);
  });
  EXPECT_EQ(ReadFile(File(kLockFileName)), locks);

  // Opened again, the sheet lists the locks the service still records.
  WithSheet([&](HWND sheet) { EXPECT_EQ(LockLines(ShowPage(sheet, 1)).size(), 2u); });
}

TEST_F(ClientSheetTest, RemoveRefusesLinesThatDoNotGiveBackTheirLock) {
  const std::vector<LockRecord> unsplittable = {
      {"pc7", "/export/a:b", "", 1, 2, 3},                 // colon in a text
      {"pc7", "/" + std::string(300, 's'), "", 1, 2, 3},  // second text cut at 258
      {std::string(2100, 'h'), "/x", "", 1, 2, 3},         // line cut at 2047
  };
  WriteFile(File(kLockFileName), Records(unsplittable));
  StartConsole();
  WithSheet([&](HWND sheet) {
    HWND page = ShowPage(sheet, 1);
    ASSERT_EQ(LockLines(page).size(), 3u);
    EXPECT_EQ(LockLines(page)[2].size(), 2047u);
    for (int index = 0; index < 3; ++index) {
      ExpectMessage(kNotRemovable);
      Remove(page, index);
    }
    EXPECT_EQ(LockLines(page).size(), 3u);
  });
  EXPECT_FALSE(Exists(File(kUnlockFileName)));
}

TEST_F(ClientSheetTest, RemoveWithoutAnUnlockPathDropsTheLineAndWritesNothing) {
  WriteFile(File(kLockFileName), Records({kWorkstation, kPc7}));
  // "\Lock.NLM" still fits after this spelling of the directory, "\Unlock.NLM" not.
  const std::string dir = LongSpelling(kInstallDir, 249);
  ASSERT_EQ(dir.size(), 249u);
  SetRegistryString(kInstallDirKey, kInstallDirValue, dir);
  StartConsole();
  WithSheet([&](HWND sheet) {
    HWND page = ShowPage(sheet, 1);
    ASSERT_EQ(LockLines(page).size(), 2u);
    Remove(page, 1);
    EXPECT_EQ(LockLines(page).size(), 1u);
    // The registry key gone meanwhile: the same.
    DeleteRegistryKey(kInstallDirKey);
    Remove(page, 0);
    EXPECT_TRUE(LockLines(page).empty());
  });
  EXPECT_FALSE(Exists(File(kUnlockFileName)));
  EXPECT_FALSE(Exists(File("Unlock.NL")));
}

}  // namespace
