// Figures for a hosts file of 5,000 entries: how long the export editor takes to
// open and to refill its R/W candidates when "Exported to All Clients" is ticked
// again, and how long the hosts editor takes for one Add, Change and Remove.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "app/NfsAdminApp.h"
#include "exports/ExportDlg.h"
#include "exports/HostNames.h"
#include "resources/resource.h"
#include "tools/hostedit/HostEditRes.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kHosts = 5000;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

std::string HostsPath() {
  char system[MAX_PATH];
  GetSystemDirectoryA(system, sizeof system);
  return std::string(system) + kHostsFileName;
}

void WriteHosts() {
  std::ofstream file(HostsPath(), std::ios::binary);
  for (int i = 0; i < kHosts; ++i)
    file << "10." << i / 65536 << '.' << i / 256 % 256 << '.' << i % 256 << "\thost" << i << "\r\n";
}

template <class Action>
double Time(Action action) {
  const Clock::time_point start = Clock::now();
  action();
  return Milliseconds(Clock::now() - start);
}

// The export editor, timed from the inside once it is up.
class TimedExportDlg : public CExportDlg {
 public:
  TimedExportDlg() { m_choice = ChoiceForNewExport(); }
  double openMs = 0, uncheckMs = 0, refillMs = 0;

 protected:
  BOOL OnInitDialog() override {
    openMs = Time([&] { CExportDlg::OnInitDialog(); });
    SetTimer(m_hWnd, 1, 10, nullptr);
    return TRUE;
  }
  LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg != WM_TIMER) return CExportDlg::WindowProc(msg, wp, lp);
    KillTimer(m_hWnd, 1);
    const HWND check = GetDlgItem(IDC_ALL_CLIENTS);
    uncheckMs = Time([&] { ::SendMessageA(check, BM_CLICK, 0, 0); });
    refillMs = Time([&] { ::SendMessageA(check, BM_CLICK, 0, 0); });
    EndDialog(IDCANCEL);
    return 0;
  }
};

void BenchExportEditor() {
  CNfsAdminApp app;
  TimedExportDlg dialog;
  dialog.DoModal();
  std::printf("export editor, %d hosts: open %.1f ms, untick %.1f ms, tick again (refill) %.1f ms\n", kHosts,
              dialog.openMs, dialog.uncheckMs, dialog.refillMs);
}

std::string HostEditorPath() {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, sizeof self);
  std::string path = self;
  for (int up = 0; up < 3; ++up) path.erase(path.find_last_of('\\'));
  return path + "\\tools\\hostedit\\hostedit.exe";
}

// The hosts editor in its own process; SendMessage waits for each handler.
void BenchHostEditor() {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + HostEditorPath() + "\"";
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    std::printf("hosts editor: cannot start %s\n", commandLine.c_str());
    return;
  }
  const std::string caption = "Hosts Editor - " + HostsPath();
  HWND editor = nullptr;
  const Clock::time_point start = Clock::now();
  while (!(editor = FindWindowA("#32770", caption.c_str())) || !IsWindowVisible(editor)) Sleep(1);
  const double openMs = Milliseconds(Clock::now() - start);
  const auto press = [&](int id) {
    return Time([&] { SendMessageA(editor, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); });
  };
  SetDlgItemTextA(editor, IDC_ADDRESS, "10.200.0.1");
  SetDlgItemTextA(editor, IDC_NAMES, "added");
  const double addMs = press(IDC_ADD);
  SendDlgItemMessageA(editor, IDC_ENTRIES, LB_SETCURSEL, kHosts / 2, 0);
  SetDlgItemTextA(editor, IDC_NAMES, "changed");
  const double changeMs = press(IDC_CHANGE);
  const double removeMs = press(IDC_REMOVE);
  std::printf("hosts editor, %d entries: open %.1f ms, add %.1f ms, change %.1f ms, remove %.1f ms\n", kHosts,
              openMs, addMs, changeMs, removeMs);
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
}

}  // namespace

int main() {
  WriteHosts();
  BenchExportEditor();
  BenchHostEditor();
  return 0;
}
