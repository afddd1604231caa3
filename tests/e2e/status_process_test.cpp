// The client sheet and the server options as a user reaches them: Ctrl+C and
// Ctrl+O on the real console, the windows driven from this process, the unlock
// file and the registry read back.
#include "tests/e2e/ConsoleProcess.h"

#include <commctrl.h>

#include <fstream>

#include "status/SharedWithService.h"

namespace {

using namespace std::literals;

constexpr int kMountedClients = 1035, kLockList = 1046, kRemove = 1044, kMaxRead = 1039;

class StatusProcessTest : public ConsoleProcessTest {
 protected:
  static std::string File(const char* name) { return std::string(kInstallDir) + "\\" + name; }
  void SetUp() override {
    ConsoleProcessTest::SetUp();
    SetRegistryInstallDir(kInstallDir);
    DeleteFileA(File(kUnlockFileName).c_str());
  }
  static HWND CurrentPage(HWND sheet) {
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  }
  // Output of a command run by the command interpreter, through a file.
  static std::string Output(const std::string& command) {
    const std::string out = File("out.txt");
    Process shell("cmd /c " + command + " > " + out);
    EXPECT_TRUE(shell.Wait(kTimeout));
    return ReadFile(out);
  }
};

TEST_F(StatusProcessTest, CtrlCShowsTheClientsAndRemoveAppendsAnUnlockRequest) {
  std::ofstream(File(kMountListFileName), std::ios::binary) << "pc7 /export\npc8 /home\n";
  // One lock: pc7 holds /export/notes01 (412, 0, 100).
  const std::string lock =
      "\x03\0\0\0pc7\x0f\0\0\0/export/notes01\x02\0\0\0ab\x9c\x01\0\0\0\0\0\0\0\0\0\0\x64\0\0\0\0\0\0\0"s;
  std::ofstream(File(kLockFileName), std::ios::binary) << lock;
  HWND console = StartConsole();
  ASSERT_TRUE(console);

  PressCtrl(console, 'C');
  HWND sheet = WaitForDialog("Clients Information");
  ASSERT_TRUE(sheet);
  EXPECT_EQ(WindowText(GetDlgItem(CurrentPage(sheet), kMountedClients)), "pc7 /export\r\npc8 /home\r\n");

  SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
  HWND locks = CurrentPage(sheet);
  HWND list = GetDlgItem(locks, kLockList);
  ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 1);
  SendMessageA(list, LB_SETCURSEL, 0, 0);
  Click(locks, kRemove);
  EXPECT_TRUE(WaitUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 0; }, kTimeout));
  EXPECT_EQ(ReadFile(File(kUnlockFileName)),
            "\x03\0\0\0pc7\x0f\0\0\0/export/notes01\x14\0\0\0pc7\0/export/notes01\0"
            "\x9c\x01\0\0\0\0\0\0\0\0\0\0\x64\0\0\0\0\0\0\0"s);
  EXPECT_EQ(ReadFile(File(kLockFileName)), lock);

  Click(sheet, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(sheet); }, kTimeout));
}

TEST_F(StatusProcessTest, CtrlOChangesASizeThatTheRegistryThenHolds) {
  const std::string key = "HKLM\\"s + kServiceKey;
  Output("reg add \"" + key + "\" /v \"" + kMaximumReadValue + "\" /t REG_DWORD /d 32 /f");
  HWND console = StartConsole();
  ASSERT_TRUE(console);

  PressCtrl(console, 'O');
  HWND options = WaitForDialog("Server Options");
  ASSERT_TRUE(options);
  HWND read = GetDlgItem(options, kMaxRead);
  EXPECT_EQ(SendMessageA(read, CB_GETCURSEL, 0, 0), 21);  // "32"
  SendMessageA(read, CB_SETCURSEL, 8, 0);                 // "8"
  Click(options, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(options); }, kTimeout));

  const std::string query = Output("reg query \"" + key + "\"");
  for (const char* line : {"Support NFS3    REG_DWORD    0x1", "Maximum Read    REG_DWORD    0x8",
                           "Maximum Write    REG_DWORD    0x0"})
    EXPECT_NE(query.find(line), std::string::npos) << line << " in\n" << query;
}

}  // namespace
