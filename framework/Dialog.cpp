#include "framework/Dialog.h"

#include "framework/MainWindow.h"

namespace {
struct DialogColors {
  UniqueBrush brush;
  COLORREF background = 0;
  COLORREF text = 0;
};
DialogColors g_colors;
}  // namespace

void CDialog::SetColors(COLORREF background, COLORREF text) {
  g_colors.brush.reset(CreateSolidBrush(background));
  g_colors.background = background;
  g_colors.text = text;
}

INT_PTR CDialog::DoModal() {
  return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_),
                         AfxGetSafeOwner(ParentWindow()), &CDialog::DialogProc,
                         reinterpret_cast<LPARAM>(this));
}

bool CDialog::UpdateData(bool saveAndValidate) {
  CDataExchange dx(*this, saveAndValidate);
  return DoDataExchange(dx);
}

BOOL CDialog::OnInitDialog() {
  UpdateData(false);
  return TRUE;
}

void CDialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::DoDataExchange(CDataExchange&) { return true; }

bool CDialog::OnCommand(UINT id, UINT code, HWND control) {
  if (code != BN_CLICKED) return false;
  if (id == IDOK) {
    OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return CWnd::OnCommand(id, code, control);
}

LRESULT CDialog::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      return OnInitDialog();
    case WM_ERASEBKGND:
      // Painted here rather than left to the dialog manager, which a visual style
      // may replace with its own texture (property pages), leaving the controls
      // on grey islands.
      if (g_colors.brush) {
        RECT client{};
        GetClientRect(m_hWnd, &client);
        FillRect(reinterpret_cast<HDC>(wp), &client, g_colors.brush.get());
        return TRUE;
      }
      break;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (g_colors.brush) {
        HDC dc = reinterpret_cast<HDC>(wp);
        SetTextColor(dc, g_colors.text);
        SetBkColor(dc, g_colors.background);
        return reinterpret_cast<LRESULT>(g_colors.brush.get());
      }
      break;
  }
  return CWnd::WindowProc(msg, wp, lp);
}

LRESULT CDialog::Default() {
  handled_ = false;
  return 0;
}

INT_PTR CDialog::ReturnToDialogManager(HWND wnd, UINT msg, LRESULT result) {
  switch (msg) {
    // These answer through the procedure's own result.
    case WM_INITDIALOG:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return static_cast<INT_PTR>(result);
    default:
      SetWindowLongPtrA(wnd, DWLP_MSGRESULT, result);
      return TRUE;
  }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  if (msg == WM_INITDIALOG) reinterpret_cast<CDialog*>(lp)->AttachDialog(wnd);
  return RunDialogMessage(wnd, msg, wp, lp);
}

INT_PTR CDialog::RunDialogMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* dialog = static_cast<CDialog*>(CWnd::FromHandle(wnd));
  if (!dialog) return FALSE;  // messages before WM_INITDIALOG
  const bool outerHandled = dialog->handled_;
  dialog->handled_ = true;
  const LRESULT result = dialog->Dispatch(wnd, msg, wp, lp);
  const bool handled = dialog->handled_;
  dialog->handled_ = outerHandled;
  return handled ? ReturnToDialogManager(wnd, msg, result) : FALSE;
}
