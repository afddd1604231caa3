#include "framework/FrameWnd.h"

#include <commctrl.h>

#include "framework/FrameworkIds.h"
#include "framework/Messages.h"
#include "portable/FrameLayout.h"

bool CFrameWnd::Create(LPCSTR className, LPCSTR title, DWORD style) {
  const RECT byDefault{CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};
  if (!CreateEx(0, className, title, style, byDefault, nullptr, 0)) return false;
  loop_ = CMessageLoop::Current();
  if (loop_) {
    loop_->AddFilter(*this);
    loop_->AddIdleHandler(*this);
  }
  return true;
}

void CFrameWnd::LeaveLoop() {
  if (!loop_) return;
  loop_->RemoveFilter(*this);
  loop_->RemoveIdleHandler(*this);
  loop_ = nullptr;
}

bool CFrameWnd::LoadAccelTable(UINT id) {
  accel_.reset(LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)));
  return accel_ != nullptr;
}

bool CFrameWnd::PreTranslateMessage(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || !accel_ || !msg.hwnd) return false;
  if (GetAncestor(msg.hwnd, GA_ROOT) != m_hWnd) return false;
  return TranslateAcceleratorA(m_hWnd, accel_.get(), &msg) != 0;
}

void CFrameWnd::RecalcLayout() {
  RECT client{};
  GetClientRect(m_hWnd, &client);
  std::vector<int> heights;
  for (const CToolBar* bar : topBars_) heights.push_back(bar->Height());
  const int statusHeight = statusBar_ ? statusBar_->Height() : 0;
  const FrameLayout layout = ComputeFrameLayout(
      {client.left, client.top, client.right, client.bottom}, heights, statusHeight);

  auto place = [](HWND wnd, const LayoutRect& r) {
    if (wnd) SetWindowPos(wnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                          SWP_NOZORDER | SWP_NOACTIVATE);
  };
  for (size_t i = 0; i < topBars_.size(); ++i) place(topBars_[i]->m_hWnd, layout.topBars[i]);
  if (statusBar_) place(statusBar_->m_hWnd, layout.statusBar);
  place(GetDlgItem(AFX_IDW_PANE_FIRST), layout.pane);
}

void CFrameWnd::SetMessageText(const std::string& text) {
  if (statusBar_ && statusBar_->m_hWnd) statusBar_->SetPaneText(text);
}

void CFrameWnd::SetMessageText(UINT stringId) { SetMessageText(LoadResString(stringId)); }

bool CFrameWnd::IsCommandEnabled(UINT id) const {
  if (std::optional<bool> own = QueryCommand(id)) return *own;
  return next_ && next_->QueryCommand(id).value_or(false);
}

void CFrameWnd::UpdateCommandButtons() {
  for (CToolBar* bar : topBars_)
    for (UINT id : bar->ButtonIds())
      if (id != ID_SEPARATOR) bar->EnableButton(id, IsCommandEnabled(id));
}


void CFrameWnd::SetStatusBar(CStatusBar& bar) {
  statusBar_ = &bar;
  SetMessageText(AFX_IDS_IDLEMESSAGE);
}

bool CFrameWnd::RunCommand(UINT) { return false; }
std::optional<bool> CFrameWnd::QueryCommand(UINT) const { return std::nullopt; }

bool CFrameWnd::OnCommand(UINT id, UINT code, HWND control) {
  // Notifications of child controls are the pane's business, not commands.
  if (control && code != BN_CLICKED) return false;
  if (!IsCommandEnabled(id)) return true;
  if (RunCommand(id)) return true;
  return next_ && next_->OnCmdMsg(id);
}

bool CFrameWnd::OnNotify(const NMHDR& header, LRESULT&) {
  // A pressed toolbar button shows its command's prompt until it is released.
  if (header.code == TBN_BEGINDRAG) {
    const auto& toolbar = reinterpret_cast<const NMTOOLBARA&>(header);
    SetMessageText(LoadResString(PromptStringId(static_cast<UINT>(toolbar.iItem))));
    return true;
  }
  if (header.code == TBN_ENDDRAG) {
    SetMessageText(AFX_IDS_IDLEMESSAGE);
    return true;
  }
  return false;
}

LRESULT CFrameWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE: {
      if (Default() == -1) return -1;
      return OnCreate(*reinterpret_cast<const CREATESTRUCTA*>(lp));
    }
    case WM_NCDESTROY:
      LeaveLoop();
      break;
    case WM_SIZE:
      Default();
      if (statusBar_ && statusBar_->m_hWnd) statusBar_->SendMessage(WM_SIZE, wp, lp);
      RecalcLayout();
      return 0;
  }
  return CWnd::WindowProc(msg, wp, lp);
}
