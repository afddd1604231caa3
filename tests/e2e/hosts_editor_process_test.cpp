// The hosts editor as a user reaches it: Ctrl+S typed into the real console, the
// editor's window driven from this process, the hosts file read back.
#include "exports/HostNames.h"
#include "status/SharedWithService.h"
#include "tests/e2e/ConsoleProcess.h"

namespace {

constexpr int kEntries = 1001, kAddress = 1002, kNames = 1003, kAdd = 1004, kSave = 1007;

std::string HostsPath() {
  char system[MAX_PATH];
  GetSystemDirectoryA(system, sizeof system);
  return std::string(system) + kHostsFileName;
}

// The console starts the editor from the registry install directory; the editor
// checks what is typed, and at Save does not overwrite a file changed elsewhere
// since it was loaded without the administrator's answer.
TEST_F(ConsoleProcessTest, HostsEditorFromCtrlSAddsAnEntryAndAsksBeforeOverwritingOtherChanges) {
  const std::string initial = "# hosts\r\n127.0.0.1\tlocalhost\r\n\r\n10.0.0.1 alpha # lab\r\n";
  WriteBytes(HostsPath(), initial);
  SetHklmValue(kInstallDirKey, kInstallDirValue, BuildPath("tools\\hostedit"));
  HWND console = StartConsole();
  ASSERT_TRUE(console);
  HWND editor = PressCtrlFor(console, 'S', "Hosts Editor - " + HostsPath());
  ASSERT_TRUE(editor);
  HWND entries = GetDlgItem(editor, kEntries);
  EXPECT_EQ(SendMessageA(entries, LB_GETCOUNT, 0, 0), 2);

  SetDlgItemTextA(editor, kAddress, "10.0.0.300");
  SetDlgItemTextA(editor, kNames, "beta");
  Click(editor, kAdd);
  EXPECT_EQ(AnswerMessage("Hosts Editor", IDOK).find("\"10.0.0.300\" is not an address."), 0u);
  SetDlgItemTextA(editor, kAddress, "10.0.0.2");
  Click(editor, kAdd);
  EXPECT_TRUE(WaitUntil([&] { return SendMessageA(entries, LB_GETCOUNT, 0, 0) == 3; }));
  EXPECT_EQ(ReadFile(HostsPath()), initial);  // nothing written before Save

  const std::string elsewhere = initial + "10.0.0.7\tother\r\n";
  WriteBytes(HostsPath(), elsewhere);
  const std::string question =
      "The hosts file " + HostsPath() + " was changed by another program since it was opened.";
  Click(editor, kSave);
  EXPECT_EQ(AnswerMessage("Hosts Editor", IDCANCEL).find(question), 0u);
  EXPECT_EQ(ReadFile(HostsPath()), elsewhere);
  Click(editor, kSave);
  EXPECT_EQ(AnswerMessage("Hosts Editor", IDNO).find(question), 0u);
  const std::string overwritten = initial + "10.0.0.2\tbeta\r\n";
  EXPECT_TRUE(WaitUntil([&] { return ReadFile(HostsPath()) == overwritten; }));

  // Saved: closing asks nothing.
  Click(editor, IDCANCEL);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(editor); }));
}

}  // namespace
