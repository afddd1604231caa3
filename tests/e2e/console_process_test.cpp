// The real console.exe, started as a user would and driven from this process.
#include <gtest/gtest.h>

#include <string>

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

// addexport takes a line only when the console reads it back as it was typed;
// every refusal leaves the file byte for byte.
TEST_F(ConsoleProcessTest, CompanionToolTakesOnlyLinesThatReadBackAsTyped) {
  const struct {
    std::string line;
    DWORD exitCode;
  } cases[] = {
      {"c:\\mx alpha;x", 2},
      {"c:\\mx alpha;", 2},
      {"c:\\mx alpha;3", 2},
      {"c:\\proj#1 alpha;1", 2},
      {"c:\\" + std::string(300, 'p') + " alpha", 2},
      {"c:\\" + std::string(2000, 'p'), 2},
      {"c:\\pub host:z", 2},
      {"c:\\pub;1 alpha;2 beta", 2},
      {"c:\\pub a,b", 2},
      {"c:", 2},
      {"c:\\" + std::string(126, 'p') + " alpha;2 beta", 0},
      {"e:\\new gamma;1", 0},
      {"d:\\plain", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line.substr(0, 60));
    const std::string before = ReadFile(kExports);
    Process tool("\"" + BuildPath("tools\\addexport.exe") + "\" \"" + c.line + "\"");
    EXPECT_EQ(tool.Wait(kTimeout), std::optional<DWORD>(c.exitCode));
    EXPECT_EQ(ReadFile(kExports), c.exitCode == 0 ? before + c.line + "\r\n" : before);
  }
}

TEST_F(ConsoleProcessTest, CloseBoxQuitsWithoutAQuestion) {
  HWND console = StartConsole();
  ASSERT_TRUE(console);
  PostMessageA(console, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(console_->Wait(kTimeout), std::optional<DWORD>(0));
  EXPECT_EQ(ReadFile(kExports), kInitialExports);
}

}  // namespace
