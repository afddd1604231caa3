// The framework's sheets, modeless dialogs, owner rule and data exchange, driven
// through the console's own templates with real messages.
#include <windows.h>
#include <commctrl.h>

#include "framework/FrameworkIds.h"
#include "framework/MainWindow.h"
#include "framework/Messages.h"
#include "framework/ModelessDialog.h"
#include "framework/PropertySheet.h"
#include "resources/resource.h"
#include "status/SharedWithService.h"
#include "tests/win/ConsoleFixture.h"

namespace {

const char kEnterInteger[] = "Please enter an integer.";

// A page that counts its OK and Cancel; with an edit it must hold a whole number
// before the page may be left.
class CountingPage : public CPropertyPage {
 public:
  explicit CountingPage(UINT templateId) : CPropertyPage(templateId) {}
  int number = 7, okCalls = 0, cancelCalls = 0;

 protected:
  bool DoDataExchange(CDataExchange& dx) override { return !GetDlgItem(IDC_PATH) || DDX_Int(dx, IDC_PATH, number); }
  void OnOK() override { ++okCalls; }
  void OnCancel() override { ++cancelCalls; }
};

class TwoPageSheet : public CPropertySheet {
 public:
  TwoPageSheet() : CPropertySheet("Two Pages") {
    AddPage(numberPage);
    AddPage(plainPage);
  }
  CountingPage numberPage{IDD_EXPORT}, plainPage{IDD_ABOUT};
};

// The commands that reach the main window, whoever sends them.
std::vector<UINT> g_commands;
LRESULT CALLBACK RecordCommands(int code, WPARAM wp, LPARAM lp) noexcept {
  const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lp);
  if (code == HC_ACTION && call.message == WM_COMMAND && call.hwnd == AfxGetMainWnd())
    g_commands.push_back(LOWORD(call.wParam));
  return CallNextHookEx(nullptr, code, wp, lp);
}

class FrameworkTest : public ConsoleTest {
 protected:
  // As a click on a tab does: the sheet is asked before it switches.
  static void ClickTab(HWND sheet, int index) { TabCtrl_SetCurFocus(PropSheet_GetTabControl(sheet), index); }
  void Key(HWND target, WPARAM key) {
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
    Pump();
  }
};

TEST_F(FrameworkTest, SheetKeepsAPageThatRefusesToBeLeftAndCancelReachesEveryCreatedPage) {
  StartConsole();
  TwoPageSheet sheet;
  Expect([&](HWND window) {
    EXPECT_EQ(GetWindow(window, GW_OWNER), Frame().m_hWnd);
    EXPECT_FALSE(IsWindowEnabled(Frame().m_hWnd));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, 0x3021))) << "Apply is never offered";
    HWND page = PropSheet_GetCurrentPageHwnd(window), edit = GetDlgItem(page, IDC_PATH);
    EXPECT_EQ(CWnd::GetWindowText(edit), "7");
    // Not a whole number: neither a tab switch nor OK leaves the page.
    SetWindowTextA(edit, "12x");
    ExpectMessage(kEnterInteger);
    ClickTab(window, 1);
    EXPECT_EQ(PropSheet_GetCurrentPageHwnd(window), page);
    EXPECT_EQ(GetFocus(), edit);
    ExpectMessage(kEnterInteger);
    ModalScript::Press(window, IDOK);
    EXPECT_EQ(sheet.numberPage.okCalls, 0);
    // Help goes to the main window as its help command.
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, &RecordCommands, nullptr, GetCurrentThreadId());
    ModalScript::Press(window, IDHELP);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(g_commands, std::vector<UINT>{ID_HELP});
    SetWindowTextA(edit, " -42\t");
  }, IDOK);
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_TRUE(IsWindowEnabled(Frame().m_hWnd));
  EXPECT_EQ(sheet.numberPage.number, -42);
  EXPECT_EQ(sheet.numberPage.okCalls, 1);
  EXPECT_FALSE(sheet.plainPage.IsCreated()) << "a page never shown saves nothing";

  TwoPageSheet cancelled;
  Expect([&](HWND window) {
    ClickTab(window, 1);
    ClickTab(window, 0);
    SetWindowTextA(GetDlgItem(PropSheet_GetCurrentPageHwnd(window), IDC_PATH), "not a number");
  }, IDCANCEL);
  EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
  EXPECT_EQ(cancelled.numberPage.cancelCalls + cancelled.plainPage.cancelCalls, 2);
  EXPECT_EQ(cancelled.numberPage.okCalls + cancelled.plainPage.okCalls, 0);
  EXPECT_EQ(cancelled.numberPage.number, 7);
}

TEST_F(FrameworkTest, ModalWindowsWithoutParentDisableTheMainWindow) {
  StartConsole();
  Expect([&](HWND about) {
    EXPECT_EQ(GetWindow(about, GW_OWNER), Frame().m_hWnd);
    EXPECT_FALSE(IsWindowEnabled(Frame().m_hWnd));
    // A box raised from inside the dialog is owned by the dialog, not hidden behind it.
    Expect([about](HWND box) { EXPECT_EQ(GetWindow(box, GW_OWNER), about); }, IDOK);
    AfxMessageBox("inside");
  }, IDOK);
  Command(ID_APP_ABOUT);
  EXPECT_TRUE(IsWindowEnabled(Frame().m_hWnd));
}

class RangeDialog : public CModelessDialog {
 public:
  RangeDialog() : CModelessDialog(IDD_EXPORT) {}
  int value = 5;

 protected:
  bool DoDataExchange(CDataExchange& dx) override { return DDX_IntInRange(dx, IDC_PATH, value, -32767, 32767); }
};

TEST_F(FrameworkTest, ModelessDialogKeepsItsKeysAndLeavesTheLoopWhenClosed) {
  WriteFile(InstallPath(kExportsFileName), "c:\\a;0 \r\nc:\\b;0 \r\n");
  StartConsole();
  List().SetCurSel(0);
  auto dialog = std::make_unique<RangeDialog>();
  ASSERT_TRUE(dialog->Create());
  EXPECT_EQ(GetWindow(dialog->m_hWnd, GW_OWNER), Frame().m_hWnd);
  EXPECT_TRUE(IsWindowEnabled(Frame().m_hWnd));
  HWND edit = dialog->GetDlgItem(IDC_PATH);
  // Out of range: refused, and the focus goes back to the edit.
  SetWindowTextA(edit, "32768");
  SetFocus(dialog->GetDlgItem(IDOK));
  ExpectMessage("Please enter an integer between -32767 and 32767.");
  EXPECT_FALSE(dialog->UpdateData(true));
  EXPECT_EQ(GetFocus(), edit);
  SetWindowTextA(edit, " -32767 ");
  EXPECT_TRUE(dialog->UpdateData(true));
  EXPECT_EQ(dialog->value, -32767);

  // Tab moves inside the dialog; the frame's Down accelerator stays out of its way.
  SetFocus(edit);
  Key(edit, VK_TAB);
  EXPECT_TRUE(GetFocus() != edit && IsChild(dialog->m_hWnd, GetFocus()));
  Key(GetFocus(), VK_DOWN);
  EXPECT_EQ(List().GetCurSel(), 0);
  // Escape destroys it; the object can go and the loop goes on without it.
  Key(GetFocus(), VK_ESCAPE);
  EXPECT_EQ(dialog->m_hWnd, nullptr);
  dialog.reset();
  SetFocus(List().m_hWnd);
  Key(List().m_hWnd, VK_DOWN);
  EXPECT_EQ(List().GetCurSel(), 1);
}

}  // namespace
