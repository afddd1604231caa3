#include "framework/PropertyPage.h"

#include "framework/ChangeHistory.h"
#include "framework/FrameworkIds.h"
#include "framework/MainWindow.h"
#include "framework/UnkeptVersionsBox.h"

PROPSHEETPAGEA CPropertyPage::SheetPage() {
  PROPSHEETPAGEA page{};
  page.dwSize = sizeof page;
  // The application has help, so every page offers it.
  page.dwFlags = PSP_HASHELP;
  page.hInstance = GetModuleHandleA(nullptr);
  page.pszTemplate = MAKEINTRESOURCEA(TemplateId());
  page.pfnDlgProc = &CPropertyPage::PageProc;
  page.lParam = reinterpret_cast<LPARAM>(this);
  return page;
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  if (msg == WM_INITDIALOG) {
    auto* page = reinterpret_cast<CPropertyPage*>(reinterpret_cast<const PROPSHEETPAGEA*>(lp)->lParam);
    page->AttachDialog(wnd);
    page->shownBefore_ = false;
  }
  return RunDialogMessage(wnd, msg, wp, lp);
}

bool CPropertyPage::OnSetActive() {
  if (shownBefore_) return UpdateData(false);
  shownBefore_ = true;
  return true;
}

bool CPropertyPage::OnKillActive() { return UpdateData(true); }

bool CPropertyPage::OnCommand(UINT id, UINT code, HWND control) {
  return CWnd::OnCommand(id, code, control);
}

bool CPropertyPage::OnNotify(const NMHDR& header, LRESULT& result) {
  // Only the page's own sheet speaks to it this way; a child control's
  // notification with a colliding code is not the sheet's.
  if (header.hwndFrom != ::GetParent(m_hWnd)) return CDialog::OnNotify(header, result);
  switch (header.code) {
    case PSN_SETACTIVE:
      result = OnSetActive() ? 0 : -1;
      return true;
    case PSN_KILLACTIVE:
      result = OnKillActive() ? FALSE : TRUE;
      return true;
    case PSN_APPLY:
      SetChangeAction(GetWindowText(header.hwndFrom) + ": OK");
      result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID;
      ShowUnkeptVersions();
      return true;
    case PSN_RESET:
      OnCancel();
      return true;
    case PSN_HELP:
      if (HWND main = AfxGetMainWnd()) ::SendMessageA(main, WM_COMMAND, ID_HELP, 0);
      return true;
  }
  return CDialog::OnNotify(header, result);
}
