// The console's start-up, from process creation to its shown main window, with
// 10,000 and 50,000 exports against an empty exports file, and with the empty
// file against a bare window program started the same way. Asserts nothing.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "portable/SharedWithService.h"
#include "tests/bench/PairedRuns.h"

namespace {

using Clock = std::chrono::steady_clock;

void WriteExports(const std::string& dir, int lines) {
  CreateDirectoryA(dir.c_str(), nullptr);
  std::ofstream file(dir + kExportsFileName, std::ios::binary);
  for (int i = 0; i < lines; ++i)
    file << static_cast<char>('c' + i % 3) << ":\\export\\dir" << i << " host" << i % 97 << " host" << i % 89
         << ";" << i % 3 << " host" << i % 97 << "\r\n";
}

void UseInstallDir(const std::string& dir) {
  WritePrivateProfileStringA(kIniInstallSection, kIniInstallDirKey, dir.c_str(), kIniFileName);
}

// A program beside this one.
std::string Sibling(const char* relative) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, sizeof self);
  std::string path = self;
  path.erase(path.find_last_of('\\') + 1);
  return path + relative;
}

// Milliseconds from process creation to its window of windowClass being visible.
double StartUpMs(const std::string& program, const char* windowClass) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + program + "\"";
  const Clock::time_point start = Clock::now();
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return -1;
  HWND window = nullptr;
  while (!(window = FindWindowA(windowClass, nullptr)) || !IsWindowVisible(window)) Sleep(1);
  const double elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  PostMessageA(window, WM_CLOSE, 0, 0);
  WaitForSingleObject(process.hProcess, 30000);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return elapsed;
}

}  // namespace

// Optional argument: the number of pairs (default 7).
int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  const std::string console = Sibling("..\\..\\app\\nfsadmin.exe"), bare = Sibling("bare_window.exe");
  const std::string empty = "C:\\bench-empty", lines10k = "C:\\bench-10000", lines50k = "C:\\bench-50000";
  WriteExports(empty, 0);
  WriteExports(lines10k, 10000);
  WriteExports(lines50k, 50000);
  auto start = [&](const std::string& dir) {
    return [&console, dir] {
      UseInstallDir(dir);
      return StartUpMs(console, kMainWindowClass);
    };
  };
  // A first start of each, not counted: caches, fonts, the prefix's first use.
  start(empty)();
  StartUpMs(bare, "BareBenchWindow");

  ComparePairs("start-up, 10,000 exports / empty file", rounds, start(lines10k), start(empty));
  ComparePairs("start-up, 50,000 exports / empty file", rounds, start(lines50k), start(empty));
  ComparePairs("start-up, empty file / bare window", rounds, start(empty),
          [&] { return StartUpMs(bare, "BareBenchWindow"); });
  return 0;
}
