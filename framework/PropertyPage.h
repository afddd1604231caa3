#pragma once
// One page of a property sheet, bound to its resource template. The sheet's
// notifications become virtual calls; the page's own buttons (even with the ids
// of OK and Cancel) stay ordinary commands of the page.
#include <windows.h>
#include <prsht.h>

#include "framework/Dialog.h"

class CPropertyPage : public CDialog {
 public:
  explicit CPropertyPage(UINT templateId) : CDialog(templateId) {}

  // Whether the page's window exists: it is created the first time it is shown.
  bool IsCreated() const { return m_hWnd != nullptr; }

  // The page's part of the sheet's PROPSHEETPAGE array.
  PROPSHEETPAGEA SheetPage();

 protected:
  // Each time the page becomes the active one; the default fills the controls
  // again from the members, except the first time (OnInitDialog just did).
  virtual bool OnSetActive();
  // Before the page is left by a tab switch or by OK; false keeps the page (and
  // refuses the switch or OK). The default reads the members back.
  virtual bool OnKillActive();
  // The sheet's OK, for every page that was created in turn; then the sheet
  // closes. False keeps it open on this page, and the pages after it are not
  // applied. The default runs OnOK.
  virtual bool OnApply() {
    OnOK();
    return true;
  }
  void OnOK() override {}
  // The sheet's Cancel or close box, for every page that was created.
  void OnCancel() override {}

  bool OnCommand(UINT id, UINT code, HWND control) override;
  bool OnNotify(const NMHDR& header, LRESULT& result) override;

 private:
  // At WM_INITDIALOG the object is in the lParam of the sheet's copy of the page.
  static INT_PTR CALLBACK PageProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;

  bool shownBefore_ = false;
};
