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

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Records(const std::vector<LockRecord>& records) {
  std::string bytes;
  for (const LockRecord& record : records) bytes += EncodeLockRecord(record);
  return bytes;
}

class ClientSheetTest : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    for (const char* name : {kMountListFileName, kLockFileName, kUnlockFileName}) DeleteFileA(File(name).c_str());
    SetRegistryString(kInstallDirKey, kInstallDirValue, kInstallDir);
    StartConsole();
  }
  void TearDown() override {
    ConsoleTest::TearDown();
    DeleteRegistryKey(kInstallDirKey);
  }

  static std::string File(const char* name) { return std::string(kInstallDir) + "\\" + name; }
  // The install directory spelled with "\." steps up to length characters: a
  // long path that still names it.
  static std::string LongSpelling(size_t length) {
    std::string spelled = kInstallDir;
    while (spelled.size() + 2 <= length) spelled += "\\.";
    return spelled;
  }

  // Opens the sheet with command 104, runs look on one of its pages, closes it with OK.
  void OnPage(int index, std::function<void(HWND page)> look) {
    script_.Then([this, index, look](HWND sheet) {
      EXPECT_EQ(GetWindow(sheet, GW_OWNER), Frame().m_hWnd);
      PropSheet_SetCurSel(sheet, nullptr, index);
      look(PropSheet_GetCurrentPageHwnd(sheet));
      PropSheet_PressButton(sheet, PSBTN_OK);
    });
    Command(ID_CLIENTS);
  }
  std::string Mounted() {
    std::string text;
    OnPage(0, [&](HWND page) { text = CWnd::GetWindowText(GetDlgItem(page, IDC_MOUNTED_CLIENTS)); });
    return text;
  }
  void ClearAll(int answer) {
    OnPage(0, [&](HWND page) {
      ExpectMessage(kClearQuestion, answer);
      ModalScript::Press(page, IDC_CLEAR_ALL);
      EXPECT_EQ(CWnd::GetWindowText(GetDlgItem(page, IDC_MOUNTED_CLIENTS)) == "", answer == IDYES);
    });
  }
  static std::vector<std::string> Lines(HWND page) {
    std::vector<std::string> lines;
    HWND list = GetDlgItem(page, IDC_LOCK_LIST);
    for (LRESULT i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
      std::string line(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)), '\0');
      SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()));
      lines.push_back(line);
    }
    return lines;
  }
  // Selects a line (none with -1) and presses "Remove".
  static void Remove(HWND page, int index) {
    SendDlgItemMessageA(page, IDC_LOCK_LIST, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ModalScript::Press(page, IDC_REMOVE_LOCK);
  }
};

TEST_F(ClientSheetTest, MountedClientsShowTheFileUpToItsFirstZeroWithLineBreaks) {
  CreateDirectoryA("E:\\srv", nullptr);
  const struct {
    std::string installDir, fileDir;
    std::optional<std::string> file;
    std::string shown;
  } cases[] = {
      {kInstallDir, kInstallDir, std::nullopt, ""},
      {kInstallDir, kInstallDir, "", ""},
      {kInstallDir, kInstallDir, "pc7 /a\r\npc8 /b\r\n", "pc7 /a\r\npc8 /b\r\n"},
      {kInstallDir, kInstallDir, "pc7 /a\npc8 /b\n", "pc7 /a\r\npc8 /b\r\n"},
      {kInstallDir, kInstallDir, "pc7 /a\r\n\0pc9 /b"s, "pc7 /a\r\n"},
      {"E:\\srv\\", "E:\\srv", "pc7 /e", "pc7 /e"},
      {"E:\\srv", "E:\\srv", "pc7 /e", "pc7 /e"},
      {LongSpelling(247), kInstallDir, "pc7 /a", "pc7 /a"},  // a path of 259 characters
      {LongSpelling(249), kInstallDir, "pc7 /a", ""},        // 261: refused, never cut
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.installDir + " " + c.file.value_or("(no file)"));
    const std::string path = c.fileDir + "\\mountd.list";
    if (c.file) WriteFile(path, *c.file);
    SetRegistryString(kInstallDirKey, kInstallDirValue, c.installDir);
    EXPECT_EQ(Mounted(), c.shown);
    EXPECT_EQ(ReadFile(path), c.file.value_or(""));  // showing changes nothing
    DeleteFileA(path.c_str());
  }
  RemoveDirectoryA("E:\\srv");  // other tests list E:'s root
}

TEST_F(ClientSheetTest, ClearAllEmptiesTheListOnlyAfterYes) {
  WriteFile(File(kMountListFileName), "pc7 /a\n");
  ClearAll(IDNO);
  EXPECT_EQ(ReadFile(File(kMountListFileName)), "pc7 /a\n");
  ClearAll(IDYES);
  EXPECT_TRUE(Exists(File(kMountListFileName)));
  EXPECT_EQ(ReadFile(File(kMountListFileName)), "");
  DeleteFileA(File(kMountListFileName).c_str());
  ClearAll(IDYES);
  EXPECT_TRUE(Exists(File(kMountListFileName)));

  // An install directory too long for the file's path: no file is touched, not
  // even the one a cut path would name.
  WriteFile(File(kMountListFileName), "pc7 /a\n");
  SetRegistryString(kInstallDirKey, kInstallDirValue, LongSpelling(249));
  OnPage(0, [&](HWND page) {
    ExpectMessage(kClearQuestion, IDYES);
    ModalScript::Press(page, IDC_CLEAR_ALL);
  });
  EXPECT_EQ(ReadFile(File(kMountListFileName)), "pc7 /a\n");
  EXPECT_FALSE(Exists(File("mountd.li")));
}

const LockRecord kWorkstation{"workstation12", "/export/home/ann", "opaque-bytes", 7, 1, 2};
const LockRecord kPc7{"pc7", "/export/notes01", "x", 412, 0, 100};

TEST_F(ClientSheetTest, CurrentLocksListOneLinePerWholeRecordInFileOrder) {
  const LockRecord wide{"big", "/n", "", -1, (int64_t{1} << 32) + 5, 2147483648};
  const struct {
    std::optional<std::string> file;
    std::vector<std::string> lines;
  } cases[] = {
      {std::nullopt, {}},
      {"", {}},
      {Records({kWorkstation, kPc7}), {"workstation12:/export/home/ann:7:1:2", "pc7:/export/notes01:412:0:100"}},
      {Records({kPc7, kPc7, kPc7}) + "1234567", std::vector<std::string>(3, "pc7:/export/notes01:412:0:100")},
      {Records({wide}), {"big:/n:-1:5:-2147483648"}},
  };
  for (const auto& c : cases) {
    if (c.file) WriteFile(File(kLockFileName), *c.file);
    OnPage(1, [&](HWND page) { EXPECT_EQ(Lines(page), c.lines); });
  }
}

TEST_F(ClientSheetTest, RemoveAppendsTheUnlockRecordOfALineThatGivesBackItsLock) {
  const std::string locks = Records({kWorkstation, kPc7,
                                     {"pc7", "/export/a:b", "", 1, 2, 3},                 // a colon
                                     {"pc7", "/" + std::string(300, 's'), "", 1, 2, 3},  // text cut at 258
                                     {std::string(2100, 'h'), "/x", "", 1, 2, 3}});      // line cut at 2047
  WriteFile(File(kLockFileName), locks);
  // 4+3, 4+15, 4+20 bytes (the line's first 20 with its two colons zeroed), 4, 8, 8.
  const std::string pc7Unlock =
      "\x03\0\0\0pc7\x0f\0\0\0/export/notes01\x14\0\0\0pc7\0/export/notes01\0"
      "\x9c\x01\0\0\0\0\0\0\0\0\0\0\x64\0\0\0\0\0\0\0"s;
  OnPage(1, [&](HWND page) {
    ExpectMessage("No locks is selected, try again !");
    Remove(page, -1);
    for (int refused = 2; refused < 5; ++refused) {
      ExpectMessage(
          "This lock cannot be removed from here: its line does not give back the lock exactly (a name "
          "holding a colon, or a line cut to fit the list). No unlock request was written.");
      Remove(page, refused);
    }
    EXPECT_EQ(Lines(page).size(), 5u);
    EXPECT_FALSE(Exists(File(kUnlockFileName)));

    Remove(page, 1);
    EXPECT_EQ(ReadFile(File(kUnlockFileName)), pc7Unlock);
    Remove(page, 0);
    EXPECT_EQ(ReadFile(File(kUnlockFileName)).substr(0, 87), pc7Unlock + "\x0d\0\0\0workstation12"s);
    EXPECT_EQ(Lines(page).size(), 3u);
  });
  EXPECT_EQ(ReadFile(File(kLockFileName)), locks);

  // "\Lock.NLM" fits after this spelling of the directory, "\Unlock.NLM" not: the
  // line goes and nothing is written.
  DeleteFileA(File(kUnlockFileName).c_str());
  SetRegistryString(kInstallDirKey, kInstallDirValue, LongSpelling(249));
  OnPage(1, [&](HWND page) {
    Remove(page, 1);
    EXPECT_EQ(Lines(page).size(), 4u);
  });
  EXPECT_FALSE(Exists(File(kUnlockFileName)));
  EXPECT_FALSE(Exists(File("Unlock.NL")));
}

}  // namespace
