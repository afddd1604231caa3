#include "printing/ExportPrinterDlg.h"

#include <commdlg.h>

#include "printing/ErrorBoxes.h"
#include "printing/PrintcapLine.h"
#include "printing/PrinterExports.h"
#include "resources/resource.h"

CExportPrinterDlg::CExportPrinterDlg(CWnd* owner) : CDialog(IDD_EXPORT_PRINTER, owner) {}

void EditPrinterExport(CWnd* owner) { CExportPrinterDlg(owner).DoModal(); }

void ChoosePrinter(HWND owner) {
  PRINTDLGA setup{};
  setup.lStructSize = sizeof setup;
  setup.hwndOwner = owner;
  setup.Flags = PD_PRINTSETUP;
  if (!PrintDlgA(&setup)) return;
  if (setup.hDevNames) {
    if (const auto* names = static_cast<const DEVNAMES*>(GlobalLock(setup.hDevNames))) {
      const char* base = reinterpret_cast<const char*>(names);
      CurrentPrinterSelection().printer = {base + names->wDriverOffset, base + names->wDeviceOffset,
                                           base + names->wOutputOffset};
      GlobalUnlock(setup.hDevNames);
    }
    GlobalFree(setup.hDevNames);
  }
  if (setup.hDevMode) GlobalFree(setup.hDevMode);
}

BOOL CExportPrinterDlg::OnInitDialog() {
  const PrinterSelection& selection = CurrentPrinterSelection();
  if (selection.useDefault == 1) {
    CheckDlgButton(m_hWnd, IDC_USE_DEFAULT_PRINTER, BST_CHECKED);
    EnableDlgItem(IDC_PRINTER_SETUP, false);
  }
  ShowSelection();
  SetDlgItemText(IDC_PRINTER_NAME, selection.editName);
  SendDlgItemMessageA(m_hWnd, IDC_PRINTER_NAME, EM_SETSEL, 0, -1);
  SetFocus(GetDlgItem(IDC_PRINTER_NAME));
  return FALSE;
}

void CExportPrinterDlg::ShowSelection() {
  SetDlgItemText(IDC_PRINTER_TEXT, FormatPrinterSelection(CurrentPrinterSelection()));
}

bool CExportPrinterDlg::OnCommand(UINT id, UINT code, HWND control) {
  if (code == BN_CLICKED && id == IDC_USE_DEFAULT_PRINTER) {
    OnUseDefault();
    return true;
  }
  if (code == BN_CLICKED && id == IDC_PRINTER_SETUP) {
    OnPrinterSetup();
    return true;
  }
  return CDialog::OnCommand(id, code, control);
}

void CExportPrinterDlg::OnUseDefault() {
  const bool checked = IsDlgButtonChecked(m_hWnd, IDC_USE_DEFAULT_PRINTER) == BST_CHECKED;
  CurrentPrinterSelection().useDefault = checked ? 1 : 0;
  if (checked) {
    LoadDefaultPrinter();
    ShowSelection();
  }
  EnableDlgItem(IDC_PRINTER_SETUP, !checked);
}

void CExportPrinterDlg::OnPrinterSetup() {
  ChoosePrinter(m_hWnd);
  ShowSelection();
}

void CExportPrinterDlg::OnOK() {
  char name[kMaxExportName + 1] = "";
  ::GetDlgItemTextA(m_hWnd, IDC_PRINTER_NAME, name, sizeof name);
  const std::string newName = name;
  if (!IsValidExportName(newName)) {
    ShowServerError(m_hWnd, IDS_INVALID_EXPORT_NAME);
    return;
  }
  // Without a printer (no default printer, say) the line would lack fields and
  // printcap could not be read at the next start.
  const PrinterSelection& selection = CurrentPrinterSelection();
  if (!IsPrintcapField(selection.printer.device) || !IsPrintcapField(selection.printer.port) ||
      (!selection.useDefault && !IsPrintcapField(selection.printer.driver))) {
    ShowServerError(m_hWnd, IDS_PRINTER_NOT_STORABLE);
    return;
  }
  if (StorePrinterExport(CurrentPrinterSelection().editName, newName) == 0) EndDialog(0);
}

void CExportPrinterDlg::OnCancel() { EndDialog(-1); }
