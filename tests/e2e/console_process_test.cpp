// The real console.exe, started as a user would and driven from this process.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "status/SharedWithService.h"
#include "tests/e2e/ConsoleProcess.h"

namespace {

constexpr char kInstallDir[] = "C:\\nfs-e2e";
constexpr char kExports[] = "C:\\nfs-e2e\\exports";
constexpr DWORD kStartTimeout = 15000;

std::string ReadFile(const char* path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

class ConsoleProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateDirectoryA(kInstallDir, nullptr);
    std::ofstream(kExports, std::ios::binary) << "c:\\public;0 \r\nd:\\data alpha beta;1 \r\n";
    WritePrivateProfileStringA(kIniInstallSection, kIniInstallDirKey, kInstallDir, kIniFileName);
  }

  // Starts the console and waits for its window.
  HWND StartConsole() {
    console_ = std::make_unique<Process>("\"" + BuildPath("app\\nfsadmin.exe") + "\"");
    EXPECT_TRUE(console_->Started());
    return WaitForConsoleWindow(kStartTimeout);
  }

  std::unique_ptr<Process> console_;
};

TEST_F(ConsoleProcessTest, SecondCopyRestoresTheFirstAndLeavesSilently) {
  HWND first = StartConsole();
  ASSERT_TRUE(first);
  ShowWindow(first, SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(first) != 0; }, 5000));

  Process second("\"" + BuildPath("app\\nfsadmin.exe") + "\"");
  ASSERT_TRUE(second.Started());
  // A message box would keep it running.
  EXPECT_EQ(second.Wait(kStartTimeout), std::optional<DWORD>(0));
  EXPECT_TRUE(WaitUntil([&] { return !IsIconic(first); }, 5000));
  EXPECT_EQ(FindWindowA(kMainWindowClass, nullptr), first);

  // Not minimised: it stays as it is and the second copy still leaves at once.
  Process third("\"" + BuildPath("app\\nfsadmin.exe") + "\"");
  EXPECT_EQ(third.Wait(kStartTimeout), std::optional<DWORD>(0));
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
  EXPECT_EQ(refused.Wait(kStartTimeout), std::optional<DWORD>(2));
  EXPECT_EQ(ReadFile(kExports), before);

  Process added("\"" + BuildPath("tools\\addexport.exe") + "\" \"e:\\new gamma;1\"");
  EXPECT_EQ(added.Wait(kStartTimeout), std::optional<DWORD>(0));
  EXPECT_TRUE(WaitUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 3; }, 5000));
  // The console only read the file: it is what the tool wrote.
  EXPECT_EQ(ReadFile(kExports), before + "e:\\new gamma;1\r\n");
}

TEST_F(ConsoleProcessTest, CloseBoxQuitsWithoutAQuestion) {
  HWND console = StartConsole();
  ASSERT_TRUE(console);
  PostMessageA(console, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(console_->Wait(kStartTimeout), std::optional<DWORD>(0));
  EXPECT_EQ(ReadFile(kExports), "c:\\public;0 \r\nd:\\data alpha beta;1 \r\n");
}

}  // namespace
