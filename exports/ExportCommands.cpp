#include "exports/ExportCommands.h"

#include <memory>

#include "exports/ExportDlg.h"
#include "exports/ExportListStore.h"
#include "framework/Messages.h"
#include "resources/resource.h"

void NewExport(CWnd& frame, CExportListBox& list) {
  CExportDlg dialog(&frame);
  dialog.m_choice = ChoiceForNewExport();
  if (dialog.DoModal() != IDOK) return;
  AfxMessageBox(IDS_RESTART_SERVICE, MB_OK | MB_ICONEXCLAMATION);
  auto entry = std::make_unique<ExportEntry>();
  StoreChoice(dialog.m_choice, dialog.StoredPath(), *entry);
  list.AddEntry(std::move(entry));
  InvalidateRect(list.m_hWnd, nullptr, FALSE);
  WriteExportsFile(list);
}

void EditExport(CWnd& frame, CExportListBox& list) {
  const int index = list.GetCurSel();
  if (index == LB_ERR) return;
  ExportEntry* entry = list.Entry(index);
  CExportDlg dialog(&frame);
  dialog.m_choice = ChoiceOfEntry(*entry);
  if (dialog.DoModal() != IDOK) return;
  AfxMessageBox(IDS_RESTART_SERVICE, MB_OK | MB_ICONEXCLAMATION);
  StoreChoice(dialog.m_choice, dialog.StoredPath(), *entry);
  InvalidateRect(list.m_hWnd, nullptr, FALSE);
  WriteExportsFile(list);
}
