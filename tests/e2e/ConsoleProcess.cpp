#include "tests/e2e/ConsoleProcess.h"

#include <fstream>
#include <iterator>

#include "status/SharedWithService.h"
#include "tests/common/EmptyFolder.h"

namespace {
constexpr int kPaneId = 0xE900;
constexpr int kExportListId = 200;
constexpr int kMessageTextId = 0xFFFF;
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

void SetRegistryInstallDir(const std::string& dir) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kInstallDirKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, kInstallDirValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(dir.c_str()),
                 static_cast<DWORD>(dir.size() + 1));
  RegCloseKey(key);
}

std::string WindowText(HWND window) {
  char text[512] = "";
  SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

HWND WaitForDialog(const std::string& caption) {
  HWND dialog = nullptr;
  WaitUntil([&] { return (dialog = FindWindowA("#32770", caption.c_str())) != nullptr && IsWindowVisible(dialog); },
            kTimeout);
  return dialog;
}

void Click(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string AnswerMessage(const char* caption, int button) {
  HWND box = WaitForDialog(caption);
  if (!box) return "(no message box)";
  const std::string text = WindowText(GetDlgItem(box, kMessageTextId));
  Click(box, button);
  WaitUntil([&] { return !IsWindow(box); }, kTimeout);
  return text;
}

void PressCtrl(HWND window, WORD key) {
  WaitUntil([&] { return SetForegroundWindow(window) && GetForegroundWindow() == window; }, kTimeout);
  INPUT inputs[4] = {};
  for (INPUT& input : inputs) input.type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = VK_CONTROL;
  inputs[1].ki.wVk = key;
  inputs[2].ki.wVk = key;
  inputs[2].ki.dwFlags = KEYEVENTF_KEYUP;
  inputs[3].ki.wVk = VK_CONTROL;
  inputs[3].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(4, inputs, sizeof(INPUT));
}

void ConsoleProcessTest::SetUp() {
  CreateDirectoryA(kInstallDir, nullptr);
  EmptyFolder(kInstallDir);
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
