#include "exports/ExportCommands.h"

#include <memory>

#include "exports/ExportDlg.h"
#include "exports/ExportEntryStream.h"
#include "exports/ExportListStore.h"
#include "framework/Messages.h"
#include "framework/ResMessage.h"
#include "framework/UnreadLinesQuestion.h"
#include "resources/resource.h"

namespace {
// Runs the editor on choice; after OK tells that the service reads the file only
// when it starts.
bool RunEditor(CExportDlg& dialog, const ExportChoice& choice) {
  dialog.m_choice = choice;
  if (dialog.DoModal() != IDOK) return false;
  AfxMessageBox(IDS_RESTART_SERVICE, MB_OK | MB_ICONEXCLAMATION);
  return true;
}

void WriteAfterChange(CExportPane& pane, HWND repaint, BOOL erase) {
  InvalidateRect(repaint, nullptr, erase);
  const std::optional<std::string>& path = pane.ExportsPath();
  if (!path) {
    AfxMessageBox(IDS_NO_EXPORTS_PATH, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  // Declined, the list keeps the change as after a failed write.
  if (!MayDropUnreadLines(*path, &FindExportsReadStop)) return;
  const std::string error = WriteExportsFile(*path, pane.List());
  if (!error.empty()) AfxMessageBox(ResMessage(IDS_WRITE_FAILED, {*path, error}), MB_OK | MB_ICONEXCLAMATION);
}
}  // namespace

void NewExport(CExportPane& pane) {
  CExportDlg dialog;
  if (!RunEditor(dialog, ChoiceForNewExport())) return;
  auto entry = std::make_unique<ExportEntry>();
  StoreChoice(dialog.m_choice, dialog.StoredPath(), *entry);
  pane.List().AddRecord(std::move(entry));
  WriteAfterChange(pane, pane.List().m_hWnd, FALSE);
}

void EditExport(CExportPane& pane) {
  CExportListBox& list = pane.List();
  const int index = list.GetCurSel();
  if (index == LB_ERR) return;
  ExportEntry& entry = *list.RecordAt(index);
  CExportDlg dialog;
  if (!RunEditor(dialog, ChoiceOfEntry(entry))) return;
  StoreChoice(dialog.m_choice, dialog.StoredPath(), entry);
  WriteAfterChange(pane, list.m_hWnd, FALSE);
}

void DeleteExport(CExportPane& pane) {
  if (AfxMessageBox(IDS_DELETE_QUESTION, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  CExportListBox& list = pane.List();
  const int index = list.GetCurSel();
  if (index == LB_ERR) return;
  list.DeleteString(index);
  if (list.SetCurSel(index) == LB_ERR) list.SetCurSel(index - 1);
  WriteAfterChange(pane, pane.m_hWnd, TRUE);
}
