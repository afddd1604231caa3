#pragma once
// Starting the console and its companion programs from the build tree, and
// finding the console's windows from outside its process.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

// How long a window or process may take to show up or go away.
constexpr DWORD kTimeout = 15000;

// A program of the build tree, by its path relative to the build root.
std::string BuildPath(const char* relative);

class Process {
 public:
  // Starts commandLine; check Started().
  explicit Process(const std::string& commandLine);
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool Started() const { return info_.hProcess != nullptr; }
  // The exit code, or none if the process is still running after timeoutMs.
  std::optional<DWORD> Wait(DWORD timeoutMs) const;
  DWORD Id() const { return info_.dwProcessId; }

 private:
  PROCESS_INFORMATION info_{};
};

// The console's main window, waiting up to timeoutMs for it to appear.
HWND WaitForConsoleWindow(DWORD timeoutMs);
// The export list inside the main window.
HWND ExportListOf(HWND console);
// Polls condition every 20 ms until it holds or timeoutMs passed.
template <class Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs) {
  for (DWORD waited = 0; !condition(); waited += 20) {
    if (waited >= timeoutMs) return false;
    Sleep(20);
  }
  return true;
}

// A file's bytes, empty when it cannot be read.
std::string ReadFile(const std::string& path);

// Sets the registry install directory, making its key when missing.
void SetRegistryInstallDir(const std::string& dir);

// Driving the console's windows from this process.
// A window's text through WM_GETTEXT: GetWindowText does not ask a control of
// another process.
std::string WindowText(HWND window);
// The visible dialog or message box with that caption, waiting for it; or null.
HWND WaitForDialog(const std::string& caption);
// Posts a button click, so that a message box the click opens does not block
// this process.
void Click(HWND dialog, int id);
// Answers the message box that shows up with caption and returns its text.
std::string AnswerMessage(const char* caption, int button);
// Ctrl+key as typed on the keyboard, into window made the foreground window.
void PressCtrl(HWND window, WORD key);

// A console started as a user would, on a test installation: its install
// directory with two exports, and "norvo.ini" pointing at it. The console is
// closed, and gone, before the next test looks for a console window.
class ConsoleProcessTest : public ::testing::Test {
 protected:
  static constexpr char kInstallDir[] = "C:\\nfs-e2e";
  static constexpr char kExports[] = "C:\\nfs-e2e\\exports";
  static constexpr char kInitialExports[] = "c:\\public;0 \r\nd:\\data alpha beta;1 \r\n";

  void SetUp() override;
  void TearDown() override;
  // Starts the console and returns its main window once visible, or null.
  HWND StartConsole();

  std::unique_ptr<Process> console_;
};
