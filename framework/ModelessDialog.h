#pragma once
// A dialog that stays open beside the main window. It joins the message loop's
// filters when it is created and leaves them when its window is destroyed, so
// that Tab, Enter and Escape work inside it while the focus is there.
#include "framework/Dialog.h"
#include "framework/MessageLoop.h"

class CModelessDialog : public CDialog, public CMessageFilter {
 public:
  using CDialog::CDialog;
  ~CModelessDialog() override;

  // Creates the dialog from its template, owned by parent (or the main window);
  // false when it could not be created.
  bool Create(CWnd* parent = nullptr);

  bool PreTranslateMessage(MSG& msg) override;

 protected:
  // OK and Cancel close the window: a modeless dialog has no modal loop to end.
  void OnOK() override;
  void OnCancel() override;
  LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void LeaveLoop();

  CMessageLoop* loop_ = nullptr;  // the loop it joined; not owned
};
