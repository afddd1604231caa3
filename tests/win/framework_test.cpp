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

// A page whose edit must hold a whole number before the page may be left.
class NumberPage : public CPropertyPage {
 public:
  NumberPage() : CPropertyPage(IDD_EXPORT) {}
  int number = 7;
  int okCalls = 0, cancelCalls = 0;

 protected:
  bool DoDataExchange(CDataExchange& dx) override { return DDX_Int(dx, IDC_PATH, number); }
  void OnOK() override { ++okCalls; }
  void OnCancel() override { ++cancelCalls; }
};

class PlainPage : public CPropertyPage {
 public:
  PlainPage() : CPropertyPage(IDD_ABOUT) {}
  int okCalls = 0, cancelCalls = 0;

 protected:
  void OnOK() override { ++okCalls; }
  void OnCancel() override { ++cancelCalls; }
};

class TwoPageSheet : public CPropertySheet {
 public:
  TwoPageSheet() : CPropertySheet("Two Pages") {
    AddPage(numberPage);
    AddPage(plainPage);
  }
  NumberPage numberPage;
  PlainPage plainPage;
};

// Records each command that reaches the main window, whoever sends it.
class CommandRecorder {
 public:
  CommandRecorder() : hook_(SetWindowsHookExA(WH_CALLWNDPROC, &Record, nullptr, GetCurrentThreadId())) {
    commands_.clear();
  }
  ~CommandRecorder() { UnhookWindowsHookEx(hook_); }
  static const std::vector<UINT>& Commands() { return commands_; }

 private:
  static LRESULT CALLBACK Record(int code, WPARAM wp, LPARAM lp) noexcept {
    const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && call.message == WM_COMMAND && call.hwnd == AfxGetMainWnd())
      commands_.push_back(LOWORD(call.wParam));
    return CallNextHookEx(nullptr, code, wp, lp);
  }
  static inline std::vector<UINT> commands_;
  HHOOK hook_;
};

class FrameworkTest : public ConsoleTest {
 protected:
  // As a click on a tab does: the sheet is asked before it switches.
  static void ClickTab(HWND sheet, int index) { TabCtrl_SetCurFocus(PropSheet_GetTabControl(sheet), index); }
  // Answers the next message box, checking its text.
  void ExpectBox(std::string text) {
    script_.Then([text](HWND box) {
      EXPECT_EQ(ModalScript::MessageText(box), text);
      ModalScript::Press(box, IDOK);
    });
  }
  void Key(HWND target, WPARAM key) {
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
    Pump();
  }
};

TEST_F(FrameworkTest, SheetKeepsAPageThatRefusesToBeLeft) {
  StartConsole();
  TwoPageSheet sheet;
  HWND pageEdit = nullptr;
  script_.Then([&](HWND window) {
    EXPECT_EQ(CWnd::GetWindowText(window), "Two Pages");
    EXPECT_EQ(GetWindow(window, GW_OWNER), Frame().m_hWnd);
    EXPECT_FALSE(IsWindowEnabled(Frame().m_hWnd));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, 0x3021))) << "Apply is never offered";
    HWND page = PropSheet_GetCurrentPageHwnd(window);
    pageEdit = GetDlgItem(page, IDC_PATH);
    EXPECT_EQ(CWnd::GetWindowText(pageEdit), "7");

    // Not a whole number: neither a tab switch nor OK leaves the page.
    SetWindowTextA(pageEdit, "12x");
    ExpectBox("Please enter an integer.");
    ClickTab(window, 1);
    EXPECT_EQ(PropSheet_GetCurrentPageHwnd(window), page);
    EXPECT_EQ(GetFocus(), pageEdit);
    ExpectBox("Please enter an integer.");
    ModalScript::Press(window, IDOK);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(sheet.numberPage.okCalls, 0);

    // Help goes to the main window as its help command.
    CommandRecorder recorder;
    ModalScript::Press(window, IDHELP);
    EXPECT_EQ(recorder.Commands(), std::vector<UINT>{ID_HELP});

    SetWindowTextA(pageEdit, " -42\t");
    ModalScript::Press(window, IDOK);
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_TRUE(IsWindowEnabled(Frame().m_hWnd));
  EXPECT_EQ(sheet.numberPage.number, -42);
  EXPECT_EQ(sheet.numberPage.okCalls, 1);
  EXPECT_EQ(sheet.plainPage.okCalls, 0) << "a page never shown saves nothing";
  EXPECT_FALSE(sheet.plainPage.IsCreated());
}

TEST_F(FrameworkTest, SheetCancelAlwaysClosesAndReachesEveryCreatedPage) {
  StartConsole();
  TwoPageSheet sheet;
  script_.Then([&](HWND window) {
    ClickTab(window, 1);
    EXPECT_TRUE(sheet.plainPage.IsCreated());
    ClickTab(window, 0);
    SetWindowTextA(GetDlgItem(PropSheet_GetCurrentPageHwnd(window), IDC_PATH), "not a number");
    ModalScript::Press(window, IDCANCEL);
  });
  EXPECT_EQ(sheet.DoModal(), IDCANCEL);
  EXPECT_EQ(sheet.numberPage.cancelCalls, 1);
  EXPECT_EQ(sheet.plainPage.cancelCalls, 1);
  EXPECT_EQ(sheet.numberPage.okCalls + sheet.plainPage.okCalls, 0);
  EXPECT_EQ(sheet.numberPage.number, 7);
}

TEST_F(FrameworkTest, ModalWindowsWithoutParentDisableTheMainWindow) {
  StartConsole();
  script_.Then([&](HWND about) {
    EXPECT_EQ(CWnd::GetWindowText(about), "About NFS Server");
    EXPECT_EQ(GetWindow(about, GW_OWNER), Frame().m_hWnd);
    EXPECT_FALSE(IsWindowEnabled(Frame().m_hWnd));
    // A box raised from inside the dialog is owned by the dialog, not hidden behind it.
    script_.Then([&, about](HWND box) {
      EXPECT_EQ(GetWindow(box, GW_OWNER), about);
      ModalScript::Press(box, IDOK);
    });
    AfxMessageBox("inside");
    ModalScript::Press(about, IDOK);
  });
  Frame().SendMessage(WM_COMMAND, ID_APP_ABOUT, 0);
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
  WriteFile(InstallPath(kExportsFileName), "c:\\a;0 \r\nc:\\b;0 \r\nc:\\c;0 \r\n");
  StartConsole();
  List().SetCurSel(0);
  auto dialog = std::make_unique<RangeDialog>();
  ASSERT_TRUE(dialog->Create());
  EXPECT_EQ(GetWindow(dialog->m_hWnd, GW_OWNER), Frame().m_hWnd);
  EXPECT_TRUE(IsWindowEnabled(Frame().m_hWnd));
  HWND edit = dialog->GetDlgItem(IDC_PATH);
  SetFocus(edit);

  // Tab moves inside the dialog; the frame's Down accelerator stays out of its way.
  Key(edit, VK_TAB);
  EXPECT_NE(GetFocus(), edit);
  EXPECT_TRUE(IsChild(dialog->m_hWnd, GetFocus()));
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

TEST_F(FrameworkTest, RangeExchangeRefusesAndKeepsTheFocus) {
  StartConsole();
  RangeDialog dialog;
  ASSERT_TRUE(dialog.Create());
  HWND edit = dialog.GetDlgItem(IDC_PATH);
  struct Case {
    const char* typed;
    const char* message;  // null: accepted
    int value;
  };
  const Case cases[] = {
      {"32768", "Please enter an integer between -32767 and 32767.", 5},
      {"-32768", "Please enter an integer between -32767 and 32767.", 5},
      {"", "Please enter an integer.", 5},
      {"1 2", "Please enter an integer.", 5},
      {"99999999999", "Please enter an integer.", 5},
      {"-32767", nullptr, -32767},
      {" +32767 ", nullptr, 32767},
  };
  for (const Case& c : cases) {
    dialog.value = 5;
    SetWindowTextA(edit, c.typed);
    SetFocus(dialog.GetDlgItem(IDOK));
    if (c.message) ExpectBox(c.message);
    EXPECT_EQ(dialog.UpdateData(true), c.message == nullptr) << c.typed;
    EXPECT_EQ(dialog.value, c.value) << c.typed;
    if (c.message) {
      EXPECT_EQ(GetFocus(), edit) << c.typed;
    }
  }
}

}  // namespace
