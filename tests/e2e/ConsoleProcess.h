#pragma once
// Starting the console and its companion programs from the build tree, and
// finding the console's windows from outside its process.
#include <windows.h>

#include <optional>
#include <string>

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
