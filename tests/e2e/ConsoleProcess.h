#pragma once
// Starting the console, its companion programs and nfsctl from the build tree,
// and driving the console's windows from outside its process.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/common/RegistryValues.h"
#include "tests/common/WholeFiles.h"

// How long a window or process may take to show up or go away.
constexpr DWORD kTimeout = 15000;

// A file of the build tree, by its path relative to the build root.
std::string BuildPath(const std::string& relative);

class Process {
 public:
  // Starts program with arguments, texts in codePage (UTF-8 for characters the
  // ANSI code page lacks); with outputPath, its standard output and error go to
  // that file.
  explicit Process(const std::string& program, const std::vector<std::string>& arguments = {},
                   const std::string& outputPath = "", UINT codePage = CP_ACP);
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
NfsctlResult RunNfsctl(const std::vector<std::string>& arguments, UINT codePage = CP_ACP);

// Polls condition every 20 ms until it holds or timeoutMs passed.
template <class Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = kTimeout) {
  for (DWORD waited = 0; !condition(); waited += 20) {
    if (waited >= timeoutMs) return false;
    Sleep(20);
  }
  return true;
}


// Posts a button click, so that a message box the click opens does not block
// this process.
void Click(HWND dialog, int id);
// Answers the message box that shows up with caption and returns its text.
std::string AnswerMessage(const char* caption, int button);
// Types Ctrl+key into window until the dialog with caption shows, and returns it
// (null after kTimeout): a key typed while another window is in the foreground is
// lost.
HWND PressCtrlFor(HWND window, WORD key, const std::string& caption);
