// The mapping sheet as a user reaches it in the real console: Ctrl+M, an account
// added through the window messages another program sends, OK, and the passwd
// file read back.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <fstream>
#include <string>

#include "resources/resource.h"
#include "tests/e2e/ConsoleProcess.h"

namespace {

std::string PasswdPath() {
  char system[MAX_PATH];
  GetSystemDirectoryA(system, sizeof system);
  return std::string(system) + "\\drivers\\etc\\passwd";
}

// LB_GETTEXT in wide characters: the narrow one is cut short across processes.
std::string ListText(HWND list, int index) {
  wchar_t text[256] = L"";
  SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  char narrow[256] = "";
  WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
  return narrow;
}

TEST_F(ConsoleProcessTest, CtrlMOpensTheSheetAndOkWritesTheAddedMapping) {
  const std::string passwd = PasswdPath();
  std::ofstream(passwd, std::ios::binary) << "alice::500::::\r\n";
  char login[256] = "";
  DWORD size = sizeof login;
  GetUserNameA(login, &size);

  HWND console = StartConsole();
  ASSERT_TRUE(console);
  PressCtrl(console, 'M');
  HWND sheet = WaitForDialog("Uid&GID Mapping");
  ASSERT_TRUE(sheet);
  // Modal and owned by the main window.
  EXPECT_EQ(GetWindow(sheet, GW_OWNER), console);
  EXPECT_FALSE(IsWindowEnabled(console));

  HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  HWND accounts = GetDlgItem(page, IDC_ACCOUNT_LIST);
  HWND mappings = GetDlgItem(page, IDC_MAPPING_LIST);
  ASSERT_EQ(SendMessageA(accounts, LB_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(ListText(accounts, 0), login);
  EXPECT_EQ(ListText(mappings, 0), "alice::500::::");

  SendMessageA(accounts, LB_SETCURSEL, 0, 0);
  SendMessageA(GetDlgItem(page, IDC_USER_ID), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("1234"));
  Click(page, IDC_ADD_MAPPING);
  EXPECT_TRUE(WaitUntil([&] { return SendMessageA(mappings, LB_GETCOUNT, 0, 0) == 2; }, kTimeout));
  Click(sheet, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(sheet); }, kTimeout));
  EXPECT_TRUE(IsWindowEnabled(console));
  EXPECT_EQ(ReadFile(passwd), "alice::500:::: \r\n" + std::string(login) + "::1234:::: \r\n");
}

}  // namespace
