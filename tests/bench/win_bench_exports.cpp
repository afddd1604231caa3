// Figures for the exports file at scale: the console's start-up time to its shown
// window with 10,000 exports against an empty file (one run, so the machine's
// speed cancels out), and ReadExportsFile / WriteExportsFile of 10,000 lines.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "app/MainFrame.h"
#include "app/NfsAdminApp.h"
#include "exports/ExportListStore.h"
#include "status/SharedWithService.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kLines = 10000;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void WriteExports(const std::string& dir, int lines) {
  CreateDirectoryA(dir.c_str(), nullptr);
  std::ofstream file(dir + kExportsFileName, std::ios::binary);
  for (int i = 0; i < lines; ++i)
    file << static_cast<char>('c' + i % 3) << ":\\export\\dir" << i << " host" << i % 97 << " host"
         << i % 89 << ";" << i % 3 << " host" << i % 97 << "\r\n";
}

void UseInstallDir(const std::string& dir) {
  WritePrivateProfileStringA(kIniInstallSection, kIniInstallDirKey, dir.c_str(), kIniFileName);
}

std::string ConsolePath() {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, sizeof self);
  std::string path = self;
  for (int up = 0; up < 3; ++up) path.erase(path.find_last_of('\\'));
  return path + "\\app\\nfsadmin.exe";
}

// Time from process creation to the main window being visible.
double StartUpMilliseconds() {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + ConsolePath() + "\"";
  const Clock::time_point start = Clock::now();
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return -1;
  HWND console = nullptr;
  while (!(console = FindWindowA(kMainWindowClass, nullptr)) || !IsWindowVisible(console)) Sleep(1);
  const double elapsed = Milliseconds(Clock::now() - start);
  PostMessageA(console, WM_CLOSE, 0, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return elapsed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

// Optional argument: the number of rounds (default 5).
int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const std::string empty = "C:\\nfs-bench-empty", full = "C:\\nfs-bench-full";
  WriteExports(empty, 0);
  WriteExports(full, kLines);

  std::vector<double> emptyTimes, fullTimes;
  for (int round = 0; round < rounds; ++round) {
    UseInstallDir(empty);
    emptyTimes.push_back(StartUpMilliseconds());
    UseInstallDir(full);
    fullTimes.push_back(StartUpMilliseconds());
  }
  const double emptyMs = Median(emptyTimes), fullMs = Median(fullTimes);
  std::printf("start-up to the shown window (median of %d): empty exports %.1f ms, %d lines %.1f ms, ratio %.2f\n",
              rounds, emptyMs, kLines, fullMs, fullMs / emptyMs);

  // In-process, on the real list box.
  UseInstallDir(full);
  CNfsAdminApp app;
  if (!app.InitApplication() || !app.InitInstance()) return 1;
  CExportPane& pane = static_cast<CMainFrame&>(*app.m_pMainWnd).ExportPane();
  CExportListBox& list = pane.List();
  const std::string& path = *pane.ExportsPath();
  std::vector<double> reads, writes;
  for (int round = 0; round < rounds; ++round) {
    list.ResetContent();
    Clock::time_point start = Clock::now();
    ReadExportsFile(path, list);
    reads.push_back(Milliseconds(Clock::now() - start));
    start = Clock::now();
    WriteExportsFile(path, list);
    writes.push_back(Milliseconds(Clock::now() - start));
  }
  std::printf("ReadExportsFile, %d lines (median of %d): %.1f ms\n", list.GetCount(), rounds, Median(reads));
  std::printf("WriteExportsFile, %d lines (median of %d): %.1f ms\n", list.GetCount(), rounds, Median(writes));
  app.ExitInstance();
  return 0;
}
