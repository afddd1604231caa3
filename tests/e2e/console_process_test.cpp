// The real console started as a user would, on an installation of its own, with
// its companion programs beside it and watched from this process.
#include <algorithm>
#include <memory>

#include "exports/HostNames.h"
#include "portable/SharedWithService.h"
#include "resources/resource.h"
#include "tests/common/EmptyFolder.h"
#include "tests/e2e/ConsoleProcess.h"
#include "tests/win/CupsCapture.h"
#include "tools/hostedit/HostEditRes.h"

namespace {

constexpr char kInstallDir[] = "C:\\nfs-e2e";
constexpr char kInitialExports[] = "c:\\public;0 \r\nd:\\data alpha beta;1 \r\n";

std::string File(const std::string& name) { return std::string(kInstallDir) + "\\" + name; }

LRESULT ListedExports(HWND console) {
  return SendMessageA(GetDlgItem(GetDlgItem(console, AFX_IDW_PANE_FIRST), IDC_EXPORT_LIST), LB_GETCOUNT, 0, 0);
}

// One console for the whole journey: the start-up print run, a second copy, the
// tools that add exports (found through norvo.ini), and the hosts editor that
// Ctrl+S starts from the registry's install directory.
TEST(ConsoleProcess, PrintsAtStartRaisesTheFirstCopyListsWhatToolsAddAndEditsHosts) {
  CreateDirectoryA(kInstallDir, nullptr);
  EmptyFolder(kInstallDir);
  WriteFile(File("exports"), kInitialExports);
  WritePrivateProfileStringA(kIniInstallSection, kIniInstallDirKey, kInstallDir, kIniFileName);
  SetRegistryValue(kInstallDirKey, kInstallDirValue, BuildPath("tools\\hostedit"));
  WriteFile(File("printcap"),
             std::string("lp,wineps.drv,") + kProcessQueue + ",CUPS:" + kProcessQueue + ",\r\n");
  WritePrivateProfileStringA("PCNFSD", "banner", "0", kIniFileName);
  WriteFile(File("SPOOL\\PCNFSD\\dfA001"), "data of A001");
  WriteFile(File("SPOOL\\PCNFSD\\cfA001.nfs"), "dfA001\nreq\nalice\nlp\nx\n1\n");
  char system[MAX_PATH];
  GetSystemDirectoryA(system, sizeof system);
  const std::string hosts = std::string(system) + kHostsFileName;
  const std::string initialHosts = "# hosts\r\n127.0.0.1\tlocalhost\r\n\r\n10.0.0.1 alpha # lab\r\n";
  WriteFile(hosts, initialHosts);
  CupsCapture capture(kProcessQueue);

  Process process(BuildPath("app\\nfsadmin.exe"));
  HWND console = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] { return (console = FindWindowA(kMainWindowClass, nullptr)) && IsWindowVisible(console); }));
  // An empty banner page, then the data as it was; the job leaves the spool directory.
  const std::vector<CapturedJob> printed = capture.Take(2);
  ASSERT_EQ(printed.size(), 2u);
  EXPECT_EQ(printed[1].bytes, "data of A001");
  EXPECT_TRUE(WaitUntil([&] { return !Exists(File("SPOOL\\PCNFSD\\cfA001.nfs")); }));

  // A second copy restores the first and leaves silently: a message box would keep it running.
  ShowWindow(console, SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(console) != 0; }));
  EXPECT_EQ(Process(BuildPath("app\\nfsadmin.exe")).Wait(), std::optional<DWORD>(0));
  EXPECT_TRUE(WaitUntil([&] { return !IsIconic(console); }));
  EXPECT_EQ(FindWindowA(kMainWindowClass, nullptr), console);

  // What the file cannot carry, or another spelling of an exported directory,
  // reaches neither the file nor the console.
  ASSERT_EQ(ListedExports(console), 2);
  EXPECT_EQ(Process(BuildPath("tools\\addexport.exe"), {"c:\\a:b;0"}).Wait(), std::optional<DWORD>(2));
  EXPECT_EQ(Process(BuildPath("tools\\addexport.exe"), {"C:/Public\\. alpha;1"}).Wait(), std::optional<DWORD>(2));
  EXPECT_EQ(RunNfsctl({"exports", "add", "e:\\bad#name"}).exitCode, std::optional<DWORD>(1));
  EXPECT_EQ(ReadFile(File("exports")), kInitialExports);
  EXPECT_EQ(Process(BuildPath("tools\\addexport.exe"), {"e:\\new gamma;1"}).Wait(), std::optional<DWORD>(0));
  EXPECT_TRUE(WaitUntil([&] { return ListedExports(console) == 3; }));
  const NfsctlResult added =
      RunNfsctl({"exports", "add", "e:\\fromtool", "--clients", "delta,Eps zeta", "--rw", "eps"});
  EXPECT_EQ(added.exitCode, std::optional<DWORD>(0)) << added.output;
  EXPECT_NE(added.output.find("the running console lists it now"), std::string::npos) << added.output;
  EXPECT_TRUE(WaitUntil([&] { return ListedExports(console) == 4; }));
  // The console only read the file: it is what the tools wrote.
  EXPECT_EQ(ReadFile(File("exports")),
            std::string(kInitialExports) + "e:\\new gamma;1\r\ne:\\fromtool delta Eps zeta;2 eps\r\n");
  // Each tool's line is kept, newest first, after the file as the first of them found it.
  const std::string history = RunNfsctl({"history", "exports"}).output;
  const size_t byNfsctl = history.find(" nfsctl "), byAddexport = history.find(" addexport "),
               outside = history.find(" changed outside ");
  EXPECT_TRUE(byNfsctl < byAddexport && byAddexport < outside && outside != std::string::npos) << history;
  // The console's own change is kept too, newest of all.
  SendMessageA(GetDlgItem(GetDlgItem(console, AFX_IDW_PANE_FIRST), IDC_EXPORT_LIST), LB_SETCURSEL, 0, 0);
  PostMessageA(console, WM_COMMAND, ID_EXPORT_DELETE, 0);
  EXPECT_EQ(AnswerMessage("NFS Server Message", IDYES), "Do you want to delete the selected entry?");
  EXPECT_TRUE(WaitUntil([&] { return ListedExports(console) == 3; }));
  const std::string withConsole = RunNfsctl({"history", "exports"}).output;
  EXPECT_LT(withConsole.find(" console "), withConsole.find(" nfsctl ")) << withConsole;
  // Twenty tools and the console change the file at once: every change is made
  // once and kept as a version of its own.
  const auto versions = [] {
    const std::string listed = RunNfsctl({"history", "exports"}).output;
    return std::count(listed.begin(), listed.end(), '\n') - 1;
  };
  const auto kept = versions();
  std::vector<std::unique_ptr<Process>> tools;
  for (int i = 0; i < 20; ++i)
    tools.push_back(std::make_unique<Process>(BuildPath("tools\\nfsctl\\nfsctl.exe"),
                                              std::vector<std::string>{"exports", "add", "e:\\p" + std::to_string(i)}));
  SendMessageA(GetDlgItem(GetDlgItem(console, AFX_IDW_PANE_FIRST), IDC_EXPORT_LIST), LB_SETCURSEL, 0, 0);
  PostMessageA(console, WM_COMMAND, ID_EXPORT_DELETE, 0);
  EXPECT_EQ(AnswerMessage("NFS Server Message", IDYES), "Do you want to delete the selected entry?");
  for (const auto& tool : tools) EXPECT_EQ(tool->Wait(), std::optional<DWORD>(0));
  EXPECT_TRUE(WaitUntil([&] { return ListedExports(console) == 22; })) << ListedExports(console);
  EXPECT_EQ(versions(), kept + 21);

  // The editor checks what is typed, and writes nothing before Save.
  HWND editor = PressCtrlFor(console, 'S', "Hosts Editor - " + hosts);
  ASSERT_TRUE(editor);
  HWND entries = GetDlgItem(editor, IDC_ENTRIES);
  EXPECT_EQ(SendMessageA(entries, LB_GETCOUNT, 0, 0), 2);
  // One editor per file: a second start brings the first forward and leaves.
  EXPECT_EQ(Process(BuildPath("tools\\hostedit\\hostedit.exe")).Wait(), std::optional<DWORD>(0));
  SetDlgItemTextA(editor, IDC_ADDRESS, "10.0.0.300");
  SetDlgItemTextA(editor, IDC_NAMES, "beta");
  Click(editor, IDC_ADD);
  EXPECT_EQ(AnswerMessage("Hosts Editor", IDOK).find("\"10.0.0.300\" is not an address."), 0u);
  SetDlgItemTextA(editor, IDC_ADDRESS, "10.0.0.2");
  Click(editor, IDC_ADD);
  EXPECT_TRUE(WaitUntil([&] { return SendMessageA(entries, LB_GETCOUNT, 0, 0) == 3; }));
  EXPECT_EQ(ReadFile(hosts), initialHosts);
  // A file changed elsewhere since it was loaded is overwritten only after the answer No.
  const std::string elsewhere = initialHosts + "10.0.0.7\tother\r\n";
  WriteFile(hosts, elsewhere);
  Click(editor, IDC_SAVE);
  EXPECT_NE(AnswerMessage("Hosts Editor", IDCANCEL).find("was changed by another program"),
            std::string::npos);
  EXPECT_EQ(ReadFile(hosts), elsewhere);
  Click(editor, IDC_SAVE);
  EXPECT_NE(AnswerMessage("Hosts Editor", IDNO).find("was changed by another program"), std::string::npos);
  EXPECT_TRUE(WaitUntil([&] { return ReadFile(hosts) == initialHosts + "10.0.0.2\tbeta\r\n"; }));
  // Saved: closing asks nothing.
  Click(editor, IDCANCEL);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(editor); }));

  PostMessageA(console, WM_CLOSE, 0, 0);
  EXPECT_EQ(process.Wait(), std::optional<DWORD>(0));
}

}  // namespace
