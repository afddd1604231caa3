#include "framework/ModelessDialog.h"

#include "framework/MainWindow.h"

// Destroyed here, while the object is still whole for the window's last messages.
CModelessDialog::~CModelessDialog() {
  DestroyWindow();
  LeaveLoop();
}

bool CModelessDialog::Create(CWnd* parent) {
  HWND owner = parent ? parent->m_hWnd : AfxGetMainWnd();
  HWND wnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(TemplateId()), owner,
                                &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
  if (!wnd) return false;
  loop_ = CMessageLoop::Current();
  if (loop_) loop_->AddFilter(*this);
  return true;
}

bool CModelessDialog::PreTranslateMessage(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || !m_hWnd) return false;
  HWND focus = GetFocus();
  if (!focus || (focus != m_hWnd && !IsChild(m_hWnd, focus))) return false;
  return IsDialogMessageA(m_hWnd, &msg) != 0;
}

void CModelessDialog::OnOK() {
  if (UpdateData(true)) DestroyWindow();
}

void CModelessDialog::OnCancel() { DestroyWindow(); }

LRESULT CModelessDialog::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCDESTROY) LeaveLoop();
  return CDialog::WindowProc(msg, wp, lp);
}

void CModelessDialog::LeaveLoop() {
  if (loop_) loop_->RemoveFilter(*this);
  loop_ = nullptr;
}
