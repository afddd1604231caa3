// The export editor and the hosts editor as a user reaches them: keys pressed on
// the real console, windows found and driven from this process, files read back.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "exports/HostNames.h"
#include "status/SharedWithService.h"
#include "tests/e2e/ConsoleProcess.h"

namespace {

std::string HostsPath() {
  char system[MAX_PATH];
  GetSystemDirectoryA(system, sizeof system);
  return std::string(system) + kHostsFileName;
}

class EditorProcessTest : public ConsoleProcessTest {
 protected:
  void SetUp() override {
    ConsoleProcessTest::SetUp();
    std::ofstream(HostsPath(), std::ios::binary)
        << "# hosts\r\n127.0.0.1\tlocalhost\r\n\r\n10.0.0.1 alpha # lab\r\n";
  }
};

TEST_F(EditorProcessTest, NewThroughCtrlNWritesTheNewLine) {
  HWND console = StartConsole();
  ASSERT_TRUE(console);
  PressCtrl(console, 'N');
  HWND editor = WaitForDialog("NFS Server Export");
  ASSERT_TRUE(editor);
  Click(editor, IDOK);
  EXPECT_EQ(AnswerMessage("NFS Server Message", IDOK),
            "The change will not become effective until the NFS Server Service restarts from "
            "Control Panel.");
  EXPECT_TRUE(WaitUntil([&] { return SendMessageA(ExportListOf(console), LB_GETCOUNT, 0, 0) == 3; }, kTimeout));
  EXPECT_EQ(ReadFile(kExports), "c:\\;0 \r\nc:\\public;0 \r\nd:\\data alpha beta;1 \r\n");
}

// The console starts the hosts editor from the registry install directory; the
// editor checks what is typed and writes the file only when asked to.
TEST_F(EditorProcessTest, HostsEditorFromTheConsoleAddsAnEntryOnSave) {
  SetRegistryInstallDir(BuildPath("tools\\hostedit"));

  HWND console = StartConsole();
  ASSERT_TRUE(console);
  PressCtrl(console, 'S');
  HWND editor = WaitForDialog("Hosts Editor - " + HostsPath());
  ASSERT_TRUE(editor);
  HWND entries = GetDlgItem(editor, 1001);
  EXPECT_EQ(SendMessageA(entries, LB_GETCOUNT, 0, 0), 2);

  const int kAddress = 1002, kNames = 1003, kAdd = 1004, kSave = 1007;
  SetDlgItemTextA(editor, kAddress, "10.0.0.300");
  SetDlgItemTextA(editor, kNames, "beta");
  Click(editor, kAdd);
  EXPECT_EQ(AnswerMessage("Hosts Editor", IDOK),
            "\"10.0.0.300\" is not an address. Type an IPv4 address such as 192.168.1.20 or an IPv6 "
            "address such as fe80::1.");
  SetDlgItemTextA(editor, kAddress, "10.0.0.2");
  SetDlgItemTextA(editor, kNames, "beta -gamma");
  Click(editor, kAdd);
  EXPECT_EQ(AnswerMessage("Hosts Editor", IDOK),
            "A part of the host name \"-gamma\" starts or ends with '-'.");
  SetDlgItemTextA(editor, kNames, "beta beta.lab");
  Click(editor, kAdd);
  EXPECT_TRUE(WaitUntil([&] { return SendMessageA(entries, LB_GETCOUNT, 0, 0) == 3; }, kTimeout));
  const std::string before = "# hosts\r\n127.0.0.1\tlocalhost\r\n\r\n10.0.0.1 alpha # lab\r\n";
  EXPECT_EQ(ReadFile(HostsPath()), before);  // nothing written before Save

  // A save that cannot replace the file (held open without sharing) says so and
  // leaves the old file, and no temporary file, behind.
  HANDLE held = CreateFileA(HostsPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Click(editor, kSave);
  const std::string refusal = AnswerMessage("Hosts Editor", IDOK);
  EXPECT_EQ(refusal.find("The hosts file " + HostsPath() + " could not be saved ("), 0u) << refusal;
  CloseHandle(held);
  EXPECT_EQ(ReadFile(HostsPath()), before);
  WIN32_FIND_DATAA found;
  const std::string folder = HostsPath().substr(0, HostsPath().find_last_of('\\'));
  EXPECT_EQ(FindFirstFileA((folder + "\\hst*.tmp").c_str(), &found), INVALID_HANDLE_VALUE);

  Click(editor, kSave);
  EXPECT_TRUE(WaitUntil([&] { return ReadFile(HostsPath()) != before; }, kTimeout));
  EXPECT_EQ(ReadFile(HostsPath()), before + "10.0.0.2\tbeta beta.lab\r\n");

  // Saved: closing asks nothing.
  Click(editor, IDCANCEL);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(editor); }, kTimeout));
}

TEST_F(EditorProcessTest, HostsEditorChangesAndRemovesAndAsksBeforeLosingChanges) {
  Process hostedit("\"" + BuildPath("tools\\hostedit\\hostedit.exe") + "\"");
  ASSERT_TRUE(hostedit.Started());
  HWND editor = WaitForDialog("Hosts Editor - " + HostsPath());
  ASSERT_TRUE(editor);
  HWND entries = GetDlgItem(editor, 1001);
  const int kAddress = 1002, kNames = 1003, kChange = 1005, kRemove = 1006;
  // Posted like the clicks, so that everything arrives in order.
  auto select = [&](int index) {
    PostMessageA(entries, LB_SETCURSEL, index, 0);
    PostMessageA(editor, WM_COMMAND, MAKEWPARAM(1001, LBN_SELCHANGE), reinterpret_cast<LPARAM>(entries));
  };

  select(1);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(GetDlgItem(editor, kAddress)) == "10.0.0.1"; }, kTimeout));
  EXPECT_EQ(WindowText(GetDlgItem(editor, kNames)), "alpha");
  SetDlgItemTextA(editor, kNames, "alpha alpha2");
  Click(editor, kChange);
  select(0);
  Click(editor, kRemove);
  EXPECT_TRUE(WaitUntil([&] { return SendMessageA(entries, LB_GETCOUNT, 0, 0) == 1; }, kTimeout));

  // Closing with changes asks first: Cancel keeps the window, Yes saves and closes.
  Click(editor, IDCANCEL);
  EXPECT_EQ(AnswerMessage("Hosts Editor", IDCANCEL), "Save the changes to the hosts file?");
  EXPECT_TRUE(IsWindow(editor));
  Click(editor, IDCANCEL);
  EXPECT_EQ(AnswerMessage("Hosts Editor", IDYES), "Save the changes to the hosts file?");
  EXPECT_EQ(hostedit.Wait(kTimeout), std::optional<DWORD>(0));
  // The comment and blank lines stay where they were; the changed entry keeps its comment.
  EXPECT_EQ(ReadFile(HostsPath()), "# hosts\r\n\r\n10.0.0.1\talpha alpha2\t# lab\r\n");
}

}  // namespace
