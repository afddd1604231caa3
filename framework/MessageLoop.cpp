#include "framework/MessageLoop.h"

namespace {
thread_local CMessageLoop* t_current = nullptr;
}

CMessageLoop::CMessageLoop() { t_current = this; }

CMessageLoop::~CMessageLoop() {
  if (t_current == this) t_current = nullptr;
}

CMessageLoop* CMessageLoop::Current() { return t_current; }

bool CMessageLoop::PreTranslateMessage(MSG& msg) {
  // A filter may remove itself (a dialog closed by Escape), so walk a copy.
  const std::vector<CMessageFilter*> filters = filters_;
  for (auto it = filters.rbegin(); it != filters.rend(); ++it)
    if (std::find(filters_.begin(), filters_.end(), *it) != filters_.end() && (*it)->PreTranslateMessage(msg))
      return true;
  return false;
}

void CMessageLoop::OnIdle() {
  // Likewise a handler may remove another.
  const std::vector<CIdleHandler*> handlers = idleHandlers_;
  for (CIdleHandler* handler : handlers)
    if (std::find(idleHandlers_.begin(), idleHandlers_.end(), handler) != idleHandlers_.end()) handler->OnIdle();
}

void CMessageLoop::Dispatch(MSG& msg) {
  if (PreTranslateMessage(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

int CMessageLoop::Run() {
  MSG msg;
  for (;;) {
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) OnIdle();
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    if (got == -1) return -1;
    Dispatch(msg);
  }
}

bool CMessageLoop::PumpOneMessage() {
  MSG msg;
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    PostQuitMessage(static_cast<int>(msg.wParam));
    return false;
  }
  Dispatch(msg);
  return true;
}
