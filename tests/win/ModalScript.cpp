#include "tests/win/ModalScript.h"

#include "framework/ModelessDialog.h"

namespace {
ModalScript* g_script = nullptr;
constexpr int kMessageBoxTextId = 0xFFFF;
}  // namespace

ModalScript::ModalScript()
    : hook_(SetWindowsHookExA(WH_CBT, &ModalScript::ActivationHook, nullptr, GetCurrentThreadId())) {
  g_script = this;
}

ModalScript::~ModalScript() {
  UnhookWindowsHookEx(hook_);
  g_script = nullptr;
}

std::string ModalScript::MessageText(HWND box) {
  return CWnd::GetWindowText(GetDlgItem(box, kMessageBoxTextId));
}

void ModalScript::Press(HWND window, int buttonId) {
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, buttonId)));
}

LRESULT CALLBACK ModalScript::ActivationHook(int code, WPARAM wp, LPARAM lp) noexcept {
  HWND window = reinterpret_cast<HWND>(wp);
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  // Modeless dialogs stay open beside the test; only modal windows are scripted.
  if (code == HCBT_ACTIVATE && g_script && lstrcmpA(className, "#32770") == 0 &&
      !dynamic_cast<CModelessDialog*>(CWnd::FromHandle(window)) && g_script->seen_.insert(window).second) {
    g_script->ready_.push_back(window);
    // The step runs from the window's own modal loop, once it dispatches.
    SetTimer(nullptr, 0, 0, &ModalScript::RunNextStep);
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

void CALLBACK ModalScript::RunNextStep(HWND, UINT, UINT_PTR timer, DWORD) noexcept {
  KillTimer(nullptr, timer);
  ModalScript* script = g_script;
  if (!script || script->ready_.empty()) return;
  // The newest window first: a window that showed up earlier is disabled while
  // one it owns runs (a message box shown while a dialog is being created); its
  // own timer comes back to it once the newer one is gone.
  HWND window = script->ready_.back();
  script->ready_.pop_back();
  if (!IsWindow(window)) return;
  if (script->steps_.empty()) {
    script->unexpected.push_back(CWnd::GetWindowText(window) + ": " + MessageText(window));
    EndDialog(window, IDCANCEL);
    return;
  }
  Step step = std::move(script->steps_.front());
  script->steps_.pop_front();
  step(window);
}
