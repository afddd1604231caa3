#include "printing/ExportedPrintersDlg.h"

#include "printing/ExportPrinterDlg.h"
#include "printing/PrinterExports.h"
#include "printing/PrinterRow.h"
#include "printing/StartPrinting.h"
#include "resources/resource.h"

CExportedPrintersDlg::CExportedPrintersDlg(CWnd* owner) : CDialog(IDD_EXPORTED_PRINTERS, owner) {}

void ShowExportedPrinters(CWnd* owner) {
  if (!PrintingIsOn()) return;
  CExportedPrintersDlg(owner).DoModal();
}

BOOL CExportedPrintersDlg::OnInitDialog() {
  list_.SubclassDlgItem(IDC_PRINTER_LIST, this);
  FillPrinterList();
  return TRUE;
}

void CExportedPrintersDlg::FillPrinterList() {
  list_.ResetContent();
  CListBox::BulkAdd bulk(list_, PrinterExports().Entries().size());
  for (const PrinterExport& entry : PrinterExports().Entries()) list_.AddString(FormatPrinterRow(entry).c_str());
}

void CExportedPrintersDlg::OnOK() { EndDialog(0); }
void CExportedPrintersDlg::OnCancel() { EndDialog(0); }

LRESULT CExportedPrintersDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  // The close box, unlike Escape, ends the dialog with -1.
  if (msg == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_CLOSE) {
    EndDialog(-1);
    return 0;
  }
  return CDialog::WindowProc(msg, wp, lp);
}

bool CExportedPrintersDlg::OnCommand(UINT id, UINT code, HWND control) {
  if (id == IDC_PRINTER_LIST) {
    if (code != LBN_DBLCLK) return false;
    OnModify();
    return true;
  }
  if (code != BN_CLICKED) return CDialog::OnCommand(id, code, control);
  switch (id) {
    case IDC_PRINTER_NEW:
      OnNew();
      return true;
    case IDC_PRINTER_MODIFY:
      OnModify();
      return true;
    case IDC_PRINTER_DELETE:
      OnDelete();
      return true;
  }
  return CDialog::OnCommand(id, code, control);
}

void CExportedPrintersDlg::OnNew() {
  LoadDefaultPrinter();
  CurrentPrinterSelection().editName.clear();
  EditPrinterExport(this);
  FillPrinterList();
}

void CExportedPrintersDlg::OnModify() {
  const int row = list_.GetCurSel();
  if (row == LB_ERR) return;
  SelectPrinterExport(static_cast<size_t>(row));
  EditPrinterExport(this);
  FillPrinterList();
}

void CExportedPrintersDlg::OnDelete() {
  const int row = list_.GetCurSel();
  if (row == LB_ERR) return;
  if (MessageBoxA(m_hWnd, "Are you sure to delete this entryfrom exported printer list?", "Delete",
                  MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  RemovePrinterExport(static_cast<size_t>(row));
  FillPrinterList();
}
