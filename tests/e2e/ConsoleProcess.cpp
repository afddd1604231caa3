#include "tests/e2e/ConsoleProcess.h"

#include <fstream>
#include <iterator>

#include "status/SharedWithService.h"

namespace {
constexpr int kPaneId = 0xE900;
constexpr int kExportListId = 200;
}  // namespace

std::string BuildPath(const char* relative) {
  // This program lives in <build>\tests\e2e.
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, sizeof self);
  std::string path = self;
  for (int up = 0; up < 3; ++up) path.erase(path.find_last_of('\\'));
  return path + "\\" + relative;
}

Process::Process(const std::string& commandLine) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string mutableLine = commandLine;
  if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info_))
    info_ = {};
}

Process::~Process() {
  if (!info_.hProcess) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 99);
  CloseHandle(info_.hProcess);
  CloseHandle(info_.hThread);
}

std::optional<DWORD> Process::Wait(DWORD timeoutMs) const {
  if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

HWND WaitForConsoleWindow(DWORD timeoutMs) {
  HWND console = nullptr;
  WaitUntil([&] { return (console = FindWindowA(kMainWindowClass, nullptr)) != nullptr && IsWindowVisible(console); },
            timeoutMs);
  return console;
}

HWND ExportListOf(HWND console) { return GetDlgItem(GetDlgItem(console, kPaneId), kExportListId); }

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

void ConsoleProcessTest::SetUp() {
  CreateDirectoryA(kInstallDir, nullptr);
  std::ofstream(kExports, std::ios::binary) << kInitialExports;
  WritePrivateProfileStringA(kIniInstallSection, kIniInstallDirKey, kInstallDir, kIniFileName);
}

void ConsoleProcessTest::TearDown() {
  if (!console_) return;
  if (HWND console = FindWindowA(kMainWindowClass, nullptr)) PostMessageA(console, WM_CLOSE, 0, 0);
  console_->Wait(kTimeout);
}

HWND ConsoleProcessTest::StartConsole() {
  console_ = std::make_unique<Process>("\"" + BuildPath("app\\nfsadmin.exe") + "\"");
  EXPECT_TRUE(console_->Started());
  return WaitForConsoleWindow(kTimeout);
}
