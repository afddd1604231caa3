// The real console.exe, started as a user would and driven from this process.
#include <gtest/gtest.h>

#include "status/SharedWithService.h"
#include "tests/e2e/ConsoleProcess.h"

namespace {

TEST_F(ConsoleProcessTest, SecondCopyRestoresTheFirstAndLeavesSilently) {
  HWND first = StartConsole();
  ASSERT_TRUE(first);
  ShowWindow(first, SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(first) != 0; }, 5000));

  Process second("\"" + BuildPath("app\\nfsadmin.exe") + "\"");
  ASSERT_TRUE(second.Started());
  // A message box would keep it running.
  EXPECT_EQ(second.Wait(kTimeout), std::optional<DWORD>(0));
  EXPECT_TRUE(WaitUntil([&] { return !IsIconic(first); }, 5000));
  EXPECT_EQ(FindWindowA(kMainWindowClass, nullptr), first);

  // Not minimised: it stays as it is and the second copy still leaves at once.
  Process third("\"" + BuildPath("app\\nfsadmin.exe") + "\"");
  EXPECT_EQ(third.Wait(kTimeout), std::optional<DWORD>(0));
  EXPECT_TRUE(IsWindowVisible(first));
}

TEST_F(ConsoleProcessTest, CompanionToolAddsALineThatTheListShows) {
  HWND console = StartConsole();
  ASSERT_TRUE(console);
  HWND list = ExportListOf(console);
  ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 2);
  const std::string before = ReadFile(kExports);

  // A malformed line is refused and the file stays byte for byte.
  Process refused("\"" + BuildPath("tools\\addexport.exe") + "\" \"c:\\a:b;0\"");
  EXPECT_EQ(refused.Wait(kTimeout), std::optional<DWORD>(2));
  EXPECT_EQ(ReadFile(kExports), before);

  Process added("\"" + BuildPath("tools\\addexport.exe") + "\" \"e:\\new gamma;1\"");
  EXPECT_EQ(added.Wait(kTimeout), std::optional<DWORD>(0));
  EXPECT_TRUE(WaitUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 3; }, 5000));
  // The console only read the file: it is what the tool wrote.
  EXPECT_EQ(ReadFile(kExports), before + "e:\\new gamma;1\r\n");
}

TEST_F(ConsoleProcessTest, CloseBoxQuitsWithoutAQuestion) {
  HWND console = StartConsole();
  ASSERT_TRUE(console);
  PostMessageA(console, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(console_->Wait(kTimeout), std::optional<DWORD>(0));
  EXPECT_EQ(ReadFile(kExports), kInitialExports);
}

}  // namespace
