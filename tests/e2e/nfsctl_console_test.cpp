// nfsctl beside a running console: an added export shows up in the console's list.
#include "tests/e2e/ConsoleProcess.h"
#include "tests/e2e/NfsctlRun.h"

namespace {

using NfsctlConsoleTest = ConsoleProcessTest;

TEST_F(NfsctlConsoleTest, AddedExportAppearsInTheRunningConsole) {
  HWND console = StartConsole();
  ASSERT_TRUE(console);
  HWND list = ExportListOf(console);
  ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 2);

  // The console's own look-up (norvo.ini) leads nfsctl to the same file.
  const NfsctlResult added = RunNfsctl({"exports", "add", "e:\\fromtool", "--clients", "gamma", "--mode", "1"});
  ASSERT_EQ(added.exitCode, 0u) << added.err;
  EXPECT_NE(added.out.find("the running console lists it now"), std::string::npos) << added.out;
  EXPECT_TRUE(WaitUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 3; }, 5000));
  EXPECT_EQ(ReadFile(kExports), std::string(kInitialExports) + "e:\\fromtool gamma;1 \r\n");

  // A refused export reaches neither the file nor the console.
  EXPECT_EQ(RunNfsctl({"exports", "add", "e:\\bad#name"}).exitCode, 1u);
  Sleep(200);
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 3);
}

}  // namespace
