// The real console started as a user would, with its companion programs beside it.
#include "status/SharedWithService.h"
#include "tests/e2e/ConsoleProcess.h"

namespace {

TEST_F(ConsoleProcessTest, SecondCopyRestoresTheFirstAndLeavesSilently) {
  HWND first = StartConsole();
  ASSERT_TRUE(first);
  ShowWindow(first, SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(first) != 0; }));

  // A message box would keep it running.
  EXPECT_EQ(Process(BuildPath("app\\nfsadmin.exe")).Wait(), std::optional<DWORD>(0));
  EXPECT_TRUE(WaitUntil([&] { return !IsIconic(first); }));
  EXPECT_EQ(FindWindowA(kMainWindowClass, nullptr), first);
}

// addexport and nfsctl find the console's file through norvo.ini; the running
// console lists what they add; what they refuse reaches neither.
TEST_F(ConsoleProcessTest, CompanionToolsAddToTheRunningConsoleAndRefuseWhatTheFileCannotCarry) {
  HWND console = StartConsole();
  ASSERT_TRUE(console);
  ASSERT_EQ(ListedExports(console), 2);

  EXPECT_EQ(Process(BuildPath("tools\\addexport.exe"), {"c:\\a:b;0"}).Wait(), std::optional<DWORD>(2));
  EXPECT_EQ(RunNfsctl({"exports", "add", "e:\\bad#name"}).exitCode, std::optional<DWORD>(1));
  EXPECT_EQ(ReadFile(kExports), kInitialExports);

  EXPECT_EQ(Process(BuildPath("tools\\addexport.exe"), {"e:\\new gamma;1"}).Wait(), std::optional<DWORD>(0));
  EXPECT_TRUE(WaitUntil([&] { return ListedExports(console) == 3; }));
  const NfsctlResult added =
      RunNfsctl({"exports", "add", "e:\\fromtool", "--clients", "delta", "--mode", "1"});
  EXPECT_EQ(added.exitCode, std::optional<DWORD>(0)) << added.output;
  EXPECT_NE(added.output.find("the running console lists it now"), std::string::npos) << added.output;
  EXPECT_TRUE(WaitUntil([&] { return ListedExports(console) == 4; }));
  // The console only read the file: it is what the tools wrote.
  EXPECT_EQ(ReadFile(kExports),
            std::string(kInitialExports) + "e:\\new gamma;1\r\ne:\\fromtool delta;1 \r\n");
}

}  // namespace
