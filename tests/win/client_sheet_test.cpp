// The "Clients Information" sheet opened by command 104 on a test installation:
// its pages driven with real messages, the service's files read back byte for byte.
#include <windows.h>
#include <commctrl.h>

#include "resources/resource.h"
#include "status/LockRecord.h"
#include "status/SharedWithService.h"
#include "tests/win/ConsoleFixture.h"

namespace {

using namespace std::literals;

const char kClearQuestion[] =
    "You have to make sure that no client is mounting this server before you go on  with this command . "
    "\nClearing the mount list can not stop the active connection.\n\nAre you sure you want to clear it ?";

class ClientSheetTest : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    SetInstallDir(kInstallDir);
    StartConsole();
  }
  void TearDown() override {
    ConsoleTest::TearDown();
    DeleteRegistryKey(kInstallDirKey);
  }
  static void SetInstallDir(const std::string& dir) {
    SetRegistryValue(kInstallDirKey, kInstallDirValue, dir);
  }
  static std::string File(const char* name) { return std::string(kInstallDir) + "\\" + name; }
  // Opens the sheet with command 104, runs look on one of its pages, closes it with OK.
  void OnPage(int index, std::function<void(HWND page)> look) {
    Expect(IDOK, [this, index, look](HWND sheet) {
      EXPECT_EQ(GetWindow(sheet, GW_OWNER), Frame().m_hWnd);
      PropSheet_SetCurSel(sheet, nullptr, index);
      look(PropSheet_GetCurrentPageHwnd(sheet));
    });
    Command(ID_CLIENTS);
  }
};

TEST_F(ClientSheetTest, MountedClientsAreShownAndClearedOnlyAfterYes) {
  WriteFile(File(kMountListFileName), "pc7 /a\npc8 /b\r\n\0pc9"s);
  // The install directory spelled with "\." steps to 249 characters: refused, never cut.
  std::string tooLong = std::string(kInstallDir) + "\\";
  while (tooLong.size() < 249) tooLong += ".\\";
  for (const std::string& dir : {tooLong, std::string(kInstallDir)}) {
    SetInstallDir(dir);
    OnPage(0, [&](HWND page) {
      EXPECT_EQ(Text(page, IDC_MOUNTED_CLIENTS), dir == kInstallDir ? "pc7 /a\r\npc8 /b\r\n" : "");
    });
  }
  WriteFile(File(kMountListFileName), "pc7 /a\n");
  for (int answer : {IDNO, IDYES}) {
    OnPage(0, [&](HWND page) {
      ExpectMessage(kClearQuestion, answer);
      Press(page, IDC_CLEAR_ALL);
      EXPECT_EQ(Text(page, IDC_MOUNTED_CLIENTS).empty(), answer == IDYES);
    });
    EXPECT_EQ(ReadFile(File(kMountListFileName)), answer == IDYES ? "" : "pc7 /a\n");
  }
  EXPECT_TRUE(Exists(File(kMountListFileName)));
}

TEST_F(ClientSheetTest, RemoveAppendsTheUnlockRecordOfALineThatGivesBackItsLock) {
  const std::string locks = EncodeLockRecord({"workstation12", "/export/home/ann", "opaque", 7, 1, 2}) +
                            EncodeLockRecord({"pc7", "/export/notes01", "x", 412, 0, 100}) +
                            EncodeLockRecord({"pc7", "/export/a:b", "", 1, 2, 3});  // a colon
  WriteFile(File(kLockFileName), locks + "1234567");
  // 4+3, 4+15, 4+20 bytes (the line's first 20 with its two colons zeroed), 4, 8, 8.
  const std::string pc7Unlock =
      "\x03\0\0\0pc7\x0f\0\0\0/export/notes01\x14\0\0\0pc7\0/export/notes01\0"
      "\x9c\x01\0\0\0\0\0\0\0\0\0\0\x64\0\0\0\0\0\0\0"s;
  OnPage(1, [&](HWND page) {
    EXPECT_EQ(Items(page, IDC_LOCK_LIST),
              (std::vector<std::string>{"workstation12:/export/home/ann:7:1:2",
                                        "pc7:/export/notes01:412:0:100", "pc7:/export/a:b:1:2:3"}));
    ExpectMessage("No locks is selected, try again !");
    Pick(page, IDC_LOCK_LIST, "");
    Press(page, IDC_REMOVE_LOCK);
    ExpectMessage(
        "This lock cannot be removed from here: its line does not give back the lock exactly (a name "
        "holding a colon, or a line cut to fit the list). No unlock request was written.");
    Pick(page, IDC_LOCK_LIST, "pc7:/export/a:b:1:2:3");
    Press(page, IDC_REMOVE_LOCK);
    EXPECT_FALSE(Exists(File(kUnlockFileName)));
    Pick(page, IDC_LOCK_LIST, "pc7:/export/notes01:412:0:100");
    Press(page, IDC_REMOVE_LOCK);
    EXPECT_EQ(ReadFile(File(kUnlockFileName)), pc7Unlock);
    Pick(page, IDC_LOCK_LIST, "workstation12:/export/home/ann:7:1:2");
    Press(page, IDC_REMOVE_LOCK);
    EXPECT_EQ(ReadFile(File(kUnlockFileName)).substr(0, 87), pc7Unlock + "\x0d\0\0\0workstation12"s);
    EXPECT_EQ(Items(page, IDC_LOCK_LIST).size(), 1u);
  });
  EXPECT_EQ(ReadFile(File(kLockFileName)), locks + "1234567");
}

}  // namespace
