#include "printing/PrinterExports.h"

#include <windows.h>

#include "framework/SharedFileSave.h"
#include "framework/UnreadLinesQuestion.h"
#include "printing/DefaultPrinter.h"
#include "printing/ErrorBoxes.h"
#include "printing/PrintcapFile.h"
#include "printing/PrintingErrors.h"
#include "printing/PrintingPaths.h"

namespace {
PrinterExportTable g_table;
PrinterSelection g_selection;
// printcap as this console read it at start-up or last wrote it.
std::optional<SharedFile> g_printcap;

// printcap rewritten whole from table through the safe change. The table
// becomes the run's once written, or once the write failed (the old file then
// stays whole), as it always has; on a reload the run's is the file's. 0, or
// non-zero once reported.
int SavePrintcap(const PrinterExportTable& table) {
  if (CurrentPrintingPaths().printcap.empty() || !g_printcap) return ShowInternalError(kErrorPrintcapNotWritable);
  switch (SaveSharedFile(*g_printcap, [&table] { return FormatPrintcap(table); }).outcome) {
    case SaveOutcome::kWritten:
      g_table = table;
      return 0;
    case SaveOutcome::kWriteFailed:
      g_table = table;
      return ShowInternalError(kErrorPrintcapNotWritable);
    case SaveOutcome::kReload:
      ReadPrintcap();
      return -1;
    case SaveOutcome::kKeepEditing:
    case SaveOutcome::kNotWritten:
      return -1;
  }
  return -1;
}

// Asked before the table changes: declined, neither the table nor the file does.
bool MayRewritePrintcap() { return MayDropUnreadLines(CurrentPrintingPaths().printcap, &FindPrintcapReadStop); }
}  // namespace

const PrinterExportTable& PrinterExports() { return g_table; }
PrinterSelection& CurrentPrinterSelection() { return g_selection; }

void LoadDefaultPrinter() { g_selection.printer = ReadDefaultPrinter(); }

int ReadPrintcap() {
  g_table.Clear();
  g_printcap.emplace(CurrentPrintingPaths().printcap);
  const std::optional<std::string> text = g_printcap->Load().bytes;
  if (!text) return 0;
  const int result = ReadPrintcapEntries(*text, [] {
    LoadDefaultPrinter();
    return g_selection.printer;
  }, g_table);
  return result == 0 ? 0 : ShowInternalError(result);
}

int StorePrinterExport(const std::string& oldName, const std::string& newName) {
  if (!MayRewritePrintcap()) return -1;
  PrinterExportTable table = g_table;
  if (const int error = table.Store(oldName, newName, g_selection)) return ShowInternalError(error);
  return SavePrintcap(table);
}

int RemovePrinterExport(size_t position) {
  if (!MayRewritePrintcap()) return -1;
  PrinterExportTable table = g_table;
  if (const int error = table.Remove(position)) return ShowInternalError(error);
  return SavePrintcap(table);
}

int SelectPrinterExport(size_t position) { return g_table.Select(position, g_selection); }

int FindPrinterExport(std::string_view name, WindowsPrinter& printer) {
  return g_table.FindPrinter(name, printer);
}
