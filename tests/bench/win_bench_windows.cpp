// The console's windows on a big server: the client sheet with 10,000 and
// 100,000 mounted clients and as many locks (and with none: what the sheet
// itself costs), the mapping sheet with 10,000 passwd lines and with 10,000
// accounts, the exported printers dialog with 1,000 printers and the queue
// window with 5,000 jobs. Each is timed from its opening to the moment its
// thread is idle (created, filled and painted), against its floor: a bare
// dialog holding a control of the same class, styles and size, filled with the
// same lines in one go. A property sheet is also timed against the system's
// sheet of its own page templates, whose control is filled in one go: what the
// sheet and all the page's controls cost before the console does anything.
// Asserts nothing.
#include <windows.h>
#include <lm.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/NfsAdminApp.h"
#include "framework/InstallDirs.h"
#include "framework/SystemDirectory.h"
#include "mapping/MappingSheet.h"
#include "portable/SharedWithService.h"
#include "printing/ExportedPrintersDlg.h"
#include "printing/PrintQueue.h"
#include "printing/PrintQueueWnd.h"
#include "printing/PrinterExports.h"
#include "printing/PrintingPaths.h"
#include "resources/resource.h"
#include "status/ClientSheet.h"
#include "status/LockRecord.h"
#include "tests/bench/PairedRuns.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr char kInstallDir[] = "C:\\bench-windows";

// What the timer saw of the window's control when the thread first went idle.
struct Shown {
  int controlId = 0;
  std::string className;
  DWORD style = 0, exStyle = 0;  // a border of an old template is an extended style
  RECT rect{};  // in dialog units of the floor's template
  SIZE pixels{};  // exactly: a line that wraps in one and not in the other costs twice
  std::vector<std::string> lines;
  bool isEdit = false;
  int page = 0;  // the page shown, when the control is on a page of a sheet
};

Clock::time_point g_start;
double g_elapsedMs = 0;
bool g_idle = false;
int g_controlId = 0;
std::function<void()> g_close;
Shown g_shown;

std::string ClassOf(HWND control) {
  char name[64] = "";
  GetClassNameA(control, name, sizeof name);
  return name;
}

void Capture(HWND control) {
  g_shown = {};
  g_shown.controlId = GetDlgCtrlID(control);
  g_shown.className = ClassOf(control);
  g_shown.style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
  g_shown.exStyle = static_cast<DWORD>(GetWindowLongA(control, GWL_EXSTYLE));
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  // Back to the dialog units of the parent, whose font the floor uses too.
  RECT unit{0, 0, 4, 8};
  MapDialogRect(GetParent(control), &unit);
  g_shown.rect = {rect.left * 4 / unit.right, rect.top * 8 / unit.bottom, (rect.right - rect.left) * 4 / unit.right,
                  (rect.bottom - rect.top) * 8 / unit.bottom};
  g_shown.pixels = {rect.right - rect.left, rect.bottom - rect.top};
  g_shown.isEdit = _stricmp(g_shown.className.c_str(), "Edit") == 0;
  if (GetParent(control) != GetActiveWindow())
    g_shown.page = static_cast<int>(
        SendMessageA(GetActiveWindow(), PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(GetParent(control)), 0));
  if (g_shown.isEdit) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
    g_shown.lines = {std::move(text)};
    return;
  }
  const int count = static_cast<int>(SendMessageA(control, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::string item(static_cast<size_t>(SendMessageA(control, LB_GETTEXTLEN, i, 0)) + 1, '\0');
    item.resize(static_cast<size_t>(SendMessageA(control, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
    g_shown.lines.push_back(std::move(item));
  }
}

// WM_TIMER comes only when no other message waits, painting included.
void CALLBACK OnIdle(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  g_elapsedMs = std::chrono::duration<double, std::milli>(Clock::now() - g_start).count();
  if (g_controlId != 0) {
    // The control of the window in front: the active dialog, or a page of it.
    const HWND active = GetActiveWindow();
    HWND control = GetDlgItem(active, g_controlId);
    if (!control)
      if (HWND page = reinterpret_cast<HWND>(SendMessageA(active, PSM_GETCURRENTPAGEHWND, 0, 0)))
        control = GetDlgItem(page, g_controlId);
    if (control) Capture(control);
  }
  g_idle = true;
  g_close();
}

// Milliseconds from open() to the first idle moment of the thread; close()
// then ends the window. A modeless window's messages are pumped here.
double TimeUntilIdle(const std::function<void()>& open, std::function<void()> close, int controlId = 0) {
  g_idle = false;
  g_controlId = controlId;
  g_close = std::move(close);
  g_start = Clock::now();
  SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &OnIdle);
  open();
  MSG msg;
  while (!g_idle && GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return g_elapsedMs;
}

void CancelActive() { PostMessageA(GetActiveWindow(), WM_COMMAND, IDCANCEL, 0); }

// A dialog template in memory: one control of the captured kind.
std::vector<WORD> FloorTemplate(const Shown& shown) {
  std::vector<WORD> words;
  auto dword = [&words](DWORD value) {
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
  };
  auto text = [&words](const std::string& value) {
    for (char c : value) words.push_back(static_cast<unsigned char>(c));
    words.push_back(0);
  };
  dword(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_VISIBLE);
  dword(0);
  words.push_back(1);  // one item
  for (int i = 0; i < 2; ++i) words.push_back(0);
  words.push_back(static_cast<WORD>(shown.rect.right + 20));
  words.push_back(static_cast<WORD>(shown.rect.bottom + 20));
  words.push_back(0);  // no menu
  words.push_back(0);  // the dialog class
  text("Floor");
  words.push_back(8);
  text("MS Sans Serif");
  if (words.size() % 2) words.push_back(0);  // items start on a DWORD
  dword((shown.style | WS_VISIBLE) & ~WS_DISABLED);
  dword(shown.exStyle);
  words.push_back(10);
  words.push_back(10);
  words.push_back(static_cast<WORD>(shown.rect.right));
  words.push_back(static_cast<WORD>(shown.rect.bottom));
  words.push_back(static_cast<WORD>(shown.controlId));
  text(shown.className);
  words.push_back(0);  // no title
  words.push_back(0);  // no creation data
  return words;
}

INT_PTR CALLBACK FloorProc(HWND dialog, UINT msg, WPARAM wp, LPARAM) {
  if (msg == WM_INITDIALOG) {
    const HWND control = GetDlgItem(dialog, g_shown.controlId);
    SetWindowPos(control, nullptr, 0, 0, g_shown.pixels.cx, g_shown.pixels.cy, SWP_NOMOVE | SWP_NOZORDER);
    if (g_shown.isEdit) {
      SetWindowTextA(control, g_shown.lines.empty() ? "" : g_shown.lines[0].c_str());
    } else {
      SendMessageA(control, WM_SETREDRAW, FALSE, 0);
      SendMessageA(control, LB_INITSTORAGE, g_shown.lines.size(), 64 * g_shown.lines.size());
      for (const std::string& line : g_shown.lines)
        SendMessageA(control, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
      SendMessageA(control, WM_SETREDRAW, TRUE, 0);
    }
    return TRUE;
  }
  if (msg == WM_COMMAND && LOWORD(wp) == IDCANCEL) EndDialog(dialog, IDCANCEL);
  return FALSE;
}

double FloorMs(const Shown& shown) {
  const std::vector<WORD> words = FloorTemplate(shown);
  return TimeUntilIdle(
      [&words] {
        DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(words.data()),
                                nullptr, &FloorProc, 0);
      },
      &CancelActive);
}

// The system's sheet of the window's own page templates, opened at the shown
// page; only that page is made, and its control filled in one go.
double SheetFloorMs(const Shown& shown, const std::vector<int>& ownPages) {
  std::vector<PROPSHEETPAGEA> pages;
  for (const int id : ownPages) {
    PROPSHEETPAGEA page{};
    page.dwSize = sizeof page;
    page.hInstance = GetModuleHandleA(nullptr);
    page.pszTemplate = MAKEINTRESOURCEA(id);
    page.pfnDlgProc = &FloorProc;
    pages.push_back(page);
  }
  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_HASHELP;
  header.pszCaption = "Floor";
  header.nPages = static_cast<UINT>(pages.size());
  header.nStartPage = static_cast<UINT>(shown.page);
  header.ppsp = pages.data();
  return TimeUntilIdle([&header] { PropertySheetA(&header); }, &CancelActive);
}

double MsOf(const std::function<void()>& work) {
  const Clock::time_point start = Clock::now();
  work();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The window against its floor, in pairs; the floor's lines are the ones the
// window showed the first time. floorWork is what the window must do that no
// control does, done bare. A sheet names its page templates in ownPages.
void Compare(const std::string& what, int pairs, const std::function<void()>& open,
             const std::function<void()>& close, int controlId, const std::function<void()>& floorWork = [] {},
             const std::vector<int>& ownPages = {}) {
  TimeUntilIdle(open, close, controlId);  // a first opening, not counted; it captures the control
  const Shown shown = g_shown;
  ComparePairs(what.c_str(), pairs, [&] { return TimeUntilIdle(open, close); },
               [&] { return FloorMs(shown) + MsOf(floorWork); });
  if (ownPages.empty()) return;
  ComparePairs("  against its own pages, bare", pairs, [&] { return TimeUntilIdle(open, close); },
               [&] { return SheetFloorMs(shown, ownPages) + MsOf(floorWork); });
}

// Each file the pattern finds opened, its first bytes read and closed: no more
// than the system must do to read a small file.
void ReadEachFile(const std::string& pattern) {
  const std::string folder = pattern.substr(0, pattern.rfind('\\') + 1);
  WIN32_FIND_DATAA found;
  const HANDLE find = FindFirstFileA(pattern.c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const HANDLE file = CreateFileA((folder + found.cFileName).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    char bytes[512];
    DWORD read = 0;
    ReadFile(file, bytes, sizeof bytes, &read, nullptr);
    CloseHandle(file);
  } while (FindNextFileA(find, &found));
  FindClose(find);
}

void WriteLines(const std::string& path, int count, const std::function<std::string(int)>& line) {
  std::ofstream file(path, std::ios::binary);
  for (int i = 0; i < count; ++i) file << line(i) << "\r\n";
}

void WriteMountList(int lines) {
  WriteLines(std::string(kInstallDir) + "\\" + kMountListFileName, lines, [](int i) {
    return "client" + std::to_string(i) + ".lab.example  C:\\export\\dir" + std::to_string(i % 500);
  });
}

void WriteLocks(int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) {
    const std::string host = "pc" + std::to_string(i), path = "/export/file" + std::to_string(i);
    LockRecord record;
    record.firstText = host;
    record.secondText = path;
    record.opaque = "owner-of-the-lock-20";
    record.number = i;
    record.firstLong = i * 100;
    record.secondLong = 100;
    bytes += EncodeLockRecord(record);
  }
  std::ofstream(std::string(kInstallDir) + "\\" + kLockFileName, std::ios::binary) << bytes;
}

// clientPairs: the mounted clients page, whose edit takes seconds for 100,000 lines.
void ClientSheet(int clientPairs, int lockPairs, int records) {
  const std::vector<int> pages = {IDD_SHOW_CLIENTS, IDD_SHOW_LOCKS};
  WriteMountList(records);
  WriteLocks(records);
  const std::string count = std::to_string(records);
  Compare("client sheet, " + count + " mounted clients", clientPairs,
          [] { CClientSheet("Clients Information", nullptr, 0).DoModal(); }, &CancelActive, IDC_MOUNTED_CLIENTS,
          [] {}, pages);
  Compare("current locks page, " + count + " locks", lockPairs,
          [] { CClientSheet("Clients Information", nullptr, 1).DoModal(); }, &CancelActive, IDC_LOCK_LIST,
          [] {}, pages);
}

// What a users page asks of the platform before it fills its lists, asked bare:
// the machine's role and name, the domain's controller and name, and one batch
// of the machine's users (the page's first place on a workstation).
void AskForAccounts() {
  LPBYTE machine = nullptr, controller = nullptr, domain = nullptr, users = nullptr;
  NetServerGetInfo(nullptr, 101, &machine);
  NetGetDCName(nullptr, nullptr, &controller);
  if (controller) NetServerGetInfo(reinterpret_cast<LPWSTR>(controller), 503, &domain);
  if (machine) {
    const std::wstring server = std::wstring(L"\\\\") + reinterpret_cast<SERVER_INFO_101*>(machine)->sv101_name;
    DWORD read = 0, total = 0;
    NetUserEnum(server.c_str(), 0, FILTER_NORMAL_ACCOUNT, &users, 4096, &read, &total, nullptr);
  }
  for (LPBYTE buffer : {machine, controller, domain, users})
    if (buffer) NetApiBufferFree(buffer);
}

void MappingSheet(int pairs) {
  const std::string passwd = *SystemDirectory() + kPasswdFileName;
  const auto open = [] { CMappingSheet("Uid&GID Mapping", nullptr, 0).DoModal(); };
  WriteLines(passwd, 10000,
             [](int i) { return "user" + std::to_string(i) + "::" + std::to_string(1000 + i) + ":::: "; });
  const std::vector<int> pages = {IDD_USER_MAPPING, IDD_GROUP_MAPPING};
  Compare("mapping sheet, 10,000 passwd lines", pairs, open, &CancelActive, IDC_MAPPING_LIST, &AskForAccounts, pages);
  // The tests' stand-in for a domain names a controller; Wine's own netapi32 does not.
  LPBYTE controller = nullptr;
  if (NetGetDCName(nullptr, nullptr, &controller) != NERR_Success) return;
  NetApiBufferFree(controller);
  // The page lists what one enumeration call returns of them.
  WriteLines(passwd, 0, {});
  SetEnvironmentVariableA("NETAPI_DOUBLE", "manyusers");
  Compare("mapping sheet, 10,000 accounts", pairs, open, &CancelActive, IDC_ACCOUNT_LIST, &AskForAccounts, pages);
}

void Printing(int pairs) {
  const std::string spool = std::string(kInstallDir) + kSpoolDirName;
  CreateDirectoryA(spool.c_str(), nullptr);
  CreateDirectoryA((spool + kPcnfsdSpoolDirName).c_str(), nullptr);
  WriteLines(std::string(kInstallDir) + kPrintcapFileName, 1000, [](int i) {
    return "printer" + std::to_string(i) + ",wineps.drv,queue" + std::to_string(i) + ",CUPS:queue" +
           std::to_string(i) + ",";
  });
  for (int i = 0; i < 5000; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "cfA%05d.nfs", i);
    WriteLines(spool + kPcnfsdSpoolDirName + "\\" + name, 1, [i](int) {
      return "dfA" + std::to_string(i) + "\nreq" + std::to_string(i) + "\nuser" + std::to_string(i % 50) +
             "\nprinter" + std::to_string(i % 1000) + "\nx\n1";
    });
  }
  BuildPrintingPaths();
  ReadPrintcap();
  Compare("exported printers dialog, 1,000 printers", pairs, [] { ShowExportedPrinters(nullptr); }, &CancelActive,
          IDC_PRINTER_LIST);
  // Modeless: Close ends it. Its floor also reads each control file, bare:
  // reading 5,000 files is no list's work.
  Compare("queue window, 5,000 jobs", pairs, [] { OpenPrintQueue(); },
          [] { PostMessageA(GetActiveWindow(), WM_COMMAND, IDC_QUEUE_CLOSE, 0); }, IDC_JOB_LIST,
          [&spool] { ReadEachFile(spool + kPcnfsdSpoolDirName + "\\cf*.nfs"); });
}

}  // namespace

// Optional argument: the number of pairs (default 7).
int main(int argc, char** argv) {
  const int pairs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  CNfsAdminApp app;
  CreateDirectoryA(kInstallDir, nullptr);
  WritePrivateProfileStringA(kIniInstallSection, kIniInstallDirKey, kInstallDir, kIniFileName);
  HKEY key = nullptr;
  if (RegCreateKeyA(HKEY_LOCAL_MACHINE, kInstallDirKey, &key) == ERROR_SUCCESS) {
    RegSetValueExA(key, kInstallDirValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(kInstallDir),
                   sizeof kInstallDir);
    RegCloseKey(key);
  }
  ClientSheet(pairs, pairs, 0);  // what the sheet costs before its lists
  ClientSheet(pairs, pairs, 10000);
  ClientSheet(std::max(1, pairs / 3), pairs, 100000);
  MappingSheet(pairs);
  Printing(pairs);
  return 0;
}
