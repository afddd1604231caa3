#pragma once
// A dialog bound to a resource template; modal through DoModal.
#include "framework/DataExchange.h"
#include "framework/Handles.h"
#include "framework/Wnd.h"

class CDialog : public CWnd {
 public:
  // Without a parent the dialog is owned by the main window.
  CDialog(UINT templateId, CWnd* parent = nullptr) : templateId_(templateId), parent_(parent) {}

  // Background and text colours of every dialog of the process, set at start-up.
  static void SetColors(COLORREF background, COLORREF text);

  // Runs the dialog modally: IDOK, IDCANCEL, or -1 when it could not be created.
  INT_PTR DoModal();
  void EndDialog(int result) { ::EndDialog(m_hWnd, result); }

  // Controls from members (false) or members from controls (true); stops at the
  // first value that cannot be exchanged, which keeps its old value.
  bool UpdateData(bool saveAndValidate = true);

 protected:
  // After the controls exist; the default fills them from the members.
  // Returns TRUE to let the dialog manager set the focus.
  virtual BOOL OnInitDialog();
  // The default reads the members back and closes with IDOK when that succeeds.
  virtual void OnOK();
  virtual void OnCancel();
  virtual bool DoDataExchange(CDataExchange& dx);

  LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
  LRESULT Default() override;
  bool OnCommand(UINT id, UINT code, HWND control) override;

  UINT TemplateId() const { return templateId_; }
  HWND ParentWindow() const { return parent_ ? parent_->m_hWnd : nullptr; }

  // The dialog procedure of dialogs whose WM_INITDIALOG carries the object.
  static INT_PTR CALLBACK DialogProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;
  // Runs one message of a bound dialog and hands its result to the dialog manager.
  static INT_PTR RunDialogMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

 private:
  // Hands the result of msg to the dialog manager the way that message wants it.
  static INT_PTR ReturnToDialogManager(HWND wnd, UINT msg, LRESULT result);

  UINT templateId_;
  CWnd* parent_;     // not owned
  bool handled_ = false;
};
