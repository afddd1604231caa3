#include "tests/win/ConsoleFixture.h"

#include <deque>
#include <set>

#include "framework/ModelessDialog.h"
#include "portable/SharedWithService.h"
#include "tests/common/EmptyFolder.h"

namespace {

struct Script {
  HHOOK hook = nullptr;
  std::deque<std::function<void(HWND)>> steps;
  std::deque<HWND> ready;
  std::set<HWND> seen;
} g_script;

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR timer, DWORD) noexcept {
  KillTimer(nullptr, timer);
  if (g_script.ready.empty()) return;
  // The newest window first: a window that showed up earlier is disabled while
  // one it owns runs (a message box shown while a dialog is being created); its
  // own timer comes back to it once the newer one is gone.
  HWND window = g_script.ready.back();
  g_script.ready.pop_back();
  if (!IsWindow(window)) return;
  if (g_script.steps.empty()) {
    ADD_FAILURE() << "unexpected window " << CWnd::GetWindowText(window) << ": " << MessageText(window);
    EndDialog(window, IDCANCEL);
    return;
  }
  const auto step = std::move(g_script.steps.front());
  g_script.steps.pop_front();
  step(window);
}

LRESULT CALLBACK ActivationHook(int code, WPARAM wp, LPARAM lp) noexcept {
  HWND window = reinterpret_cast<HWND>(wp);
  char className[16] = {};
  // Modeless dialogs stay open beside the test; only modal windows are scripted.
  if (code == HCBT_ACTIVATE && GetClassNameA(window, className, sizeof className) &&
      lstrcmpA(className, "#32770") == 0 && !dynamic_cast<CModelessDialog*>(CWnd::FromHandle(window)) &&
      g_script.seen.insert(window).second) {
    g_script.ready.push_back(window);
    // The step runs from the window's own modal loop, once it dispatches.
    SetTimer(nullptr, 0, 0, &RunNextStep);
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

void ConsoleTest::SetUp() {
  if (!g_script.hook)
    g_script.hook = SetWindowsHookExA(WH_CBT, &ActivationHook, nullptr, GetCurrentThreadId());
  CreateDirectoryA(kInstallDir, nullptr);
  EmptyFolder(kInstallDir);
  WritePrivateProfileStringA(kIniInstallSection, kIniInstallDirKey, kInstallDir, kIniFileName);
}

void ConsoleTest::TearDown() {
  if (app_) app_->ExitInstance();
  Pump();
  app_.reset();
  UnhookWindowsHookEx(g_script.hook);
  EXPECT_EQ(g_script.steps.size(), 0u) << "scripted windows that never showed up";
  g_script = {};
}

void ConsoleTest::StartConsole() {
  app_ = std::make_unique<CNfsAdminApp>();
  ASSERT_TRUE(app_->InitApplication());
  ASSERT_TRUE(app_->InitInstance());
  Pump();
}

CMainFrame& ConsoleTest::Frame() const { return static_cast<CMainFrame&>(*app_->m_pMainWnd); }

void ConsoleTest::Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message != WM_QUIT) {
    if (!app_ || !app_->Loop().PreTranslateMessage(msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  if (app_) app_->Loop().OnIdle();
}

void ConsoleTest::Command(UINT id) {
  Frame().SendMessage(WM_COMMAND, id, 0);
  Pump();
}

void ConsoleTest::Key(HWND target, WPARAM key) {
  PostMessageA(target, WM_KEYDOWN, key, 1);
  PostMessageA(target, WM_KEYUP, key, 0xC0000001);
  Pump();
}

void ConsoleTest::ExpectBox(const std::string& caption, const std::string& text, int button) {
  Expect(button, [=](HWND box) {
    EXPECT_EQ(CWnd::GetWindowText(box) + ": " + MessageText(box), caption + ": " + text);
  });
}

void ConsoleTest::ExpectChangedQuestion(const std::string& path, int answer) {
  ExpectMessage("The file " + path +
                    " was changed by another program since it was read here.\n\nYes: reload it, losing the changes "
                    "made here.\nNo: overwrite it with what is shown here.\nCancel: keep editing without saving.",
                answer);
}

void ConsoleTest::Expect(int button, std::function<void(HWND)> act) {
  g_script.steps.push_back([act, button](HWND window) {
    act(window);
    if (button) Press(window, button);
  });
}

std::string MessageText(HWND box) { return CWnd::GetWindowText(GetDlgItem(box, 0xFFFF)); }

void Press(HWND window, int buttonId) {
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, buttonId)));
}

std::vector<std::string> Items(HWND dialog, int id) {
  char className[16] = "";
  GetClassNameA(GetDlgItem(dialog, id), className, sizeof className);
  const bool combo = _stricmp(className, "ComboBox") == 0;
  const UINT countMessage = combo ? CB_GETCOUNT : LB_GETCOUNT, textMessage = combo ? CB_GETLBTEXT : LB_GETTEXT,
             lengthMessage = combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
  std::vector<std::string> items;
  const int count = static_cast<int>(SendDlgItemMessageA(dialog, id, countMessage, 0, 0));
  for (int i = 0; i < count; ++i) {
    // Sized for the item: a lock line alone may pass 256 characters.
    std::string text(static_cast<size_t>(SendDlgItemMessageA(dialog, id, lengthMessage, i, 0)) + 1, '\0');
    text.resize(static_cast<size_t>(SendDlgItemMessageA(dialog, id, textMessage, i, reinterpret_cast<LPARAM>(text.data()))));
    items.push_back(std::move(text));
  }
  return items;
}

void Notify(HWND dialog, int id, UINT code) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void Pick(HWND dialog, int id, const std::string& text) {
  const LRESULT index = text.empty()
                            ? LB_ERR
                            : SendDlgItemMessageA(dialog, id, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                  reinterpret_cast<LPARAM>(text.c_str()));
  SendDlgItemMessageA(dialog, id, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  Notify(dialog, id, LBN_SELCHANGE);
}

void Choose(HWND dialog, int id, const std::string& text, UINT code) {
  SendDlgItemMessageA(dialog, id, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                      reinterpret_cast<LPARAM>(text.c_str()));
  Notify(dialog, id, code);
}

std::string EtcFile(const char* name) {
  char system[MAX_PATH];
  GetSystemDirectoryA(system, sizeof system);
  return std::string(system) + "\\drivers\\etc\\" + name;
}

