#pragma once
// "Export a Printer": the export name and the Windows printer of one entry,
// edited in the printer selection, which the caller prepares.
#include "framework/Dialog.h"

class CExportPrinterDlg : public CDialog {
 public:
  explicit CExportPrinterDlg(CWnd* owner);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  bool OnCommand(UINT id, UINT code, HWND control) override;

 private:
  void ShowSelection();
  void OnUseDefault();
  void OnPrinterSetup();
};

// Runs the dialog modally, owned by owner.
void EditPrinterExport(CWnd* owner);

// The platform's print-setup dialog: the printer chosen replaces the selection's.
void ChoosePrinter(HWND owner);
