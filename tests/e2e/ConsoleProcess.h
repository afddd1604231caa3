#pragma once
// Starting the console, its companion programs and nfsctl from the build tree,
// and driving the console's windows from outside its process.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

// How long a window or process may take to show up or go away.
constexpr DWORD kTimeout = 15000;

// A file of the build tree, by its path relative to the build root.
std::string BuildPath(const std::string& relative);

class Process {
 public:
  // Starts program with arguments; with outputPath, its standard output and error
  // go to that file.
  explicit Process(const std::string& program, const std::vector<std::string>& arguments = {},
                   const std::string& outputPath = "");
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  // The exit code, or none if the process is still running after timeoutMs.
  std::optional<DWORD> Wait(DWORD timeoutMs = kTimeout) const;

 private:
  PROCESS_INFORMATION info_{};
};

// nfsctl's exit code and everything it printed, with LF line ends.
struct NfsctlResult {
  std::optional<DWORD> exitCode;
  std::string output;
};
NfsctlResult RunNfsctl(const std::vector<std::string>& arguments);

// Polls condition every 20 ms until it holds or timeoutMs passed.
template <class Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = kTimeout) {
  for (DWORD waited = 0; !condition(); waited += 20) {
    if (waited >= timeoutMs) return false;
    Sleep(20);
  }
  return true;
}

// A file's bytes; none when it cannot be read.
std::optional<std::string> ReadFile(const std::string& path);
// Writes bytes as the whole file, creating its folders.
void WriteBytes(const std::string& path, const std::string& bytes);

// A value under HKEY_LOCAL_MACHINE\key, which is created when missing.
void SetHklmValue(const char* key, const char* name, const std::string& text);
void SetHklmValue(const char* key, const char* name, DWORD value);
// A REG_DWORD under HKEY_LOCAL_MACHINE\key; none when missing or of another type.
std::optional<DWORD> HklmDword(const char* key, const char* name);

// A window's text through WM_GETTEXT: GetWindowText does not ask a control of
// another process.
std::string WindowText(HWND window);
// The visible dialog or message box with that caption, waiting for it; or null.
HWND WaitForDialog(const std::string& caption, DWORD timeoutMs = kTimeout);
// Posts a button click, so that a message box the click opens does not block
// this process.
void Click(HWND dialog, int id);
// Answers the message box that shows up with caption and returns its text.
std::string AnswerMessage(const char* caption, int button);
// Types Ctrl+key into window until the dialog with caption shows, and returns it
// (null after kTimeout): a key typed while another window is in the foreground is
// lost.
HWND PressCtrlFor(HWND window, WORD key, const std::string& caption);

// A record of the service's lock file (pc7 holds /export/notes01: 412, 0, 100)
// and the unlock request that the console appends for it.
inline const std::string kLockRecord(
    "\x03\0\0\0pc7\x0f\0\0\0/export/notes01\x02\0\0\0ab\x9c\x01\0\0\0\0\0\0\0\0\0\0\x64\0\0\0\0\0\0\0", 52);
inline const std::string kUnlockRequest(
    "\x03\0\0\0pc7\x0f\0\0\0/export/notes01\x14\0\0\0pc7\0/export/notes01\0"
    "\x9c\x01\0\0\0\0\0\0\0\0\0\0\x64\0\0\0\0\0\0\0",
    70);

// A console started as a user would, on a test installation: its install
// directory with two exports, named by "norvo.ini" and the registry. The console
// is closed, and gone, before the next test looks for a console window.
class ConsoleProcessTest : public ::testing::Test {
 protected:
  static constexpr char kInstallDir[] = "C:\\nfs-e2e";
  static constexpr char kExports[] = "C:\\nfs-e2e\\exports";
  static constexpr char kInitialExports[] = "c:\\public;0 \r\nd:\\data alpha beta;1 \r\n";

  void SetUp() override;
  void TearDown() override;
  // Starts the console and returns its main window once visible, or null.
  HWND StartConsole();
  static std::string File(const char* name) { return std::string(kInstallDir) + "\\" + name; }
  // The number of lines in the console's export list.
  static LRESULT ListedExports(HWND console);

  std::unique_ptr<Process> console_;
};
