#include "tests/e2e/ConsoleProcess.h"

#include <mutex>

std::string BuildPath(const std::string& relative) {
  // This program lives in <build>\tests\e2e.
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, sizeof self);
  std::string path = self;
  for (int up = 0; up < 3; ++up) path.erase(path.find_last_of('\\'));
  return path + "\\" + relative;
}

Process::Process(const std::string& program, const std::vector<std::string>& arguments,
                 const std::string& outputPath, UINT codePage) {
  std::string line = "\"" + program + "\"";
  for (const std::string& argument : arguments)
    line += !argument.empty() && argument.find_first_of(" \t") == std::string::npos ? " " + argument
                                                                                     : " \"" + argument + "\"";
  std::wstring wideLine(line.size() + 1, L'\0');
  wideLine.resize(static_cast<size_t>(MultiByteToWideChar(codePage, 0, line.c_str(), -1, wideLine.data(),
                                                          static_cast<int>(wideLine.size()))));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  // One start at a time, from making the inheritable output handle to closing
  // it: a child that another thread started meanwhile would inherit it too and
  // hold the file open.
  static std::mutex starting;
  const std::lock_guard<std::mutex> guard(starting);
  HANDLE output = nullptr;
  if (!outputPath.empty()) {
    output =
        CreateFileA(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    EXPECT_NE(output, INVALID_HANDLE_VALUE) << outputPath;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = output;
  }
  // Wine now and then fails a start with an internal error while other
  // processes start and end; the program then never ran, so it is started again.
  bool started = false;
  DWORD error = ERROR_INTERNAL_ERROR;
  for (int attempt = 0; !started && error == ERROR_INTERNAL_ERROR && attempt < 3; ++attempt) {
    started = CreateProcessW(nullptr, wideLine.data(), nullptr, nullptr, output != nullptr, 0, nullptr, nullptr,
                             &startup, &info_);
    if (!started) error = GetLastError();
  }
  if (!started) {
    ADD_FAILURE() << "cannot start " << line << ": error " << error;
    info_ = {};
  }
  if (output) CloseHandle(output);
}

Process::~Process() {
  if (!info_.hProcess) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 99);
  CloseHandle(info_.hProcess);
  CloseHandle(info_.hThread);
}

std::optional<DWORD> Process::Wait(DWORD timeoutMs) const {
  if (!info_.hProcess || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

NfsctlResult RunNfsctl(const std::vector<std::string>& arguments, UINT codePage) {
  // A new file each time: a Wine service that nfsctl starts keeps its output handles.
  char folder[MAX_PATH], outputPath[MAX_PATH];
  GetTempPathA(sizeof folder, folder);
  GetTempFileNameA(folder, "ctl", 0, outputPath);
  NfsctlResult result;
  result.exitCode = Process(BuildPath("tools\\nfsctl\\nfsctl.exe"), arguments, outputPath, codePage).Wait();
  result.output = ReadFile(outputPath).value_or("");
  DeleteFileA(outputPath);
  // Text-mode output ends its lines with CR LF.
  for (size_t at = result.output.find("\r\n"); at != std::string::npos; at = result.output.find("\r\n", at))
    result.output.erase(at, 1);
  return result;
}

// A control's text through WM_GETTEXT: GetWindowText does not ask a control of
// another process.
static std::string WindowText(HWND window) {
  char text[512] = "";
  SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

// The visible dialog or message box with that caption, waiting for it; or null.
static HWND WaitForDialog(const std::string& caption) {
  HWND dialog = nullptr;
  WaitUntil([&] { return (dialog = FindWindowA("#32770", caption.c_str())) && IsWindowVisible(dialog); });
  return dialog && IsWindowVisible(dialog) ? dialog : nullptr;
}

void Click(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string AnswerMessage(const char* caption, int button) {
  HWND box = WaitForDialog(caption);
  if (!box) return "(no message box)";
  const std::string text = WindowText(GetDlgItem(box, 0xFFFF));
  Click(box, button);
  WaitUntil([&] { return !IsWindow(box); });
  return text;
}

HWND PressCtrlFor(HWND window, WORD key, const std::string& caption) {
  INPUT inputs[4] = {};
  for (INPUT& input : inputs) input.type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = inputs[3].ki.wVk = VK_CONTROL;
  inputs[1].ki.wVk = inputs[2].ki.wVk = key;
  inputs[2].ki.dwFlags = inputs[3].ki.dwFlags = KEYEVENTF_KEYUP;
  for (DWORD waited = 0; waited < kTimeout; waited += 2000) {
    WaitUntil([&] { return SetForegroundWindow(window) && GetForegroundWindow() == window; }, 2000);
    SendInput(4, inputs, sizeof(INPUT));
    // Pressed again only when no such window came: a second one would not open.
    if (WaitUntil([&] { return FindWindowA("#32770", caption.c_str()) != nullptr; }, 2000))
      return WaitForDialog(caption);
  }
  return nullptr;
}
