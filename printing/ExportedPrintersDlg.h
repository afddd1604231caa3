#pragma once
// "Exported Printers": the printer export table with New, Modify and Delete.
#include "framework/Dialog.h"
#include "framework/ListBox.h"

class CExportedPrintersDlg : public CDialog {
 public:
  explicit CExportedPrintersDlg(CWnd* owner);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  bool OnCommand(UINT id, UINT code, HWND control) override;
  LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void FillPrinterList();
  void OnNew();
  void OnModify();
  void OnDelete();

  CListBox list_;
};

// Runs the dialog modally, owned by owner.
void ShowExportedPrinters(CWnd* owner);
