// The client sheet and the server options as a user reaches them: Ctrl+C and
// Ctrl+O typed into the real console, the windows driven from this process, the
// service's files and the registry read back.
#include "tests/e2e/ConsoleProcess.h"
// After windows.h, which it needs.
#include <commctrl.h>

#include "status/SharedWithService.h"

namespace {

constexpr int kMountedClients = 1035, kLockList = 1046, kRemove = 1044, kMaxRead = 1039;

using StatusProcessTest = ConsoleProcessTest;

HWND CurrentPage(HWND sheet) {
  return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

TEST_F(StatusProcessTest, CtrlCShowsTheClientsAndRemoveAppendsAnUnlockRequest) {
  WriteBytes(File(kMountListFileName), "pc7 /export\npc8 /home\n");
  WriteBytes(File(kLockFileName), kLockRecord);
  HWND console = StartConsole();
  ASSERT_TRUE(console);

  HWND sheet = PressCtrlFor(console, 'C', "Clients Information");
  ASSERT_TRUE(sheet);
  EXPECT_EQ(WindowText(GetDlgItem(CurrentPage(sheet), kMountedClients)), "pc7 /export\r\npc8 /home\r\n");
  SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
  HWND locks = CurrentPage(sheet);
  HWND list = GetDlgItem(locks, kLockList);
  ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 1);
  SendMessageA(list, LB_SETCURSEL, 0, 0);
  Click(locks, kRemove);
  EXPECT_TRUE(WaitUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 0; }));
  EXPECT_EQ(ReadFile(File(kUnlockFileName)), kUnlockRequest);
  EXPECT_EQ(ReadFile(File(kLockFileName)), kLockRecord);
  Click(sheet, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(sheet); }));
}

TEST_F(StatusProcessTest, CtrlOChangesASizeThatTheRegistryThenHolds) {
  SetHklmValue(kServiceKey, kMaximumReadValue, 32);
  HWND console = StartConsole();
  ASSERT_TRUE(console);

  HWND options = PressCtrlFor(console, 'O', "Server Options");
  ASSERT_TRUE(options);
  HWND read = GetDlgItem(options, kMaxRead);
  EXPECT_EQ(SendMessageA(read, CB_GETCURSEL, 0, 0), 21);  // "32"
  SendMessageA(read, CB_SETCURSEL, 8, 0);                 // "8"
  Click(options, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(options); }));
  EXPECT_EQ(HklmDword(kServiceKey, kMaximumReadValue), std::optional<DWORD>(8));
}

}  // namespace
