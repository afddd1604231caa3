#include "printing/PrinterExports.h"

#include <windows.h>

#include "framework/UnreadLinesQuestion.h"
#include "portable/SaveWholeFile.h"
#include "portable/UniqueFile.h"
#include "portable/WholeFile.h"
#include "printing/DefaultPrinter.h"
#include "printing/ErrorBoxes.h"
#include "printing/PrintcapFile.h"
#include "printing/PrintingErrors.h"
#include "printing/PrintingPaths.h"

namespace {
PrinterExportTable g_table;
PrinterSelection g_selection;

// Asked before the table changes: declined, neither the table nor the file does.
bool MayRewritePrintcap() { return MayDropUnreadLines(CurrentPrintingPaths().printcap, &FindPrintcapReadStop); }
}  // namespace

const PrinterExportTable& PrinterExports() { return g_table; }
PrinterSelection& CurrentPrinterSelection() { return g_selection; }

void LoadDefaultPrinter() { g_selection.printer = ReadDefaultPrinter(); }

int ReadPrintcap() {
  g_table.Clear();
  UniqueFile file(std::fopen(CurrentPrintingPaths().printcap.c_str(), "rb"));
  if (!file) return 0;
  const std::optional<std::string> text = ReadWholeFile(file.get());
  if (!text) return 0;
  const int result = ReadPrintcapEntries(*text, [] {
    LoadDefaultPrinter();
    return g_selection.printer;
  }, g_table);
  return result == 0 ? 0 : ShowInternalError(result);
}

int WritePrintcap() {
  const std::string& path = CurrentPrintingPaths().printcap;
  if (path.empty() || !SaveWholeFile(path, FormatPrintcap(g_table)).empty())
    return ShowInternalError(kErrorPrintcapNotWritable);
  return 0;
}

int StorePrinterExport(const std::string& oldName, const std::string& newName) {
  if (!MayRewritePrintcap()) return -1;
  if (const int error = g_table.Store(oldName, newName, g_selection)) return ShowInternalError(error);
  return WritePrintcap();
}

int RemovePrinterExport(size_t position) {
  if (!MayRewritePrintcap()) return -1;
  if (const int error = g_table.Remove(position)) return ShowInternalError(error);
  return WritePrintcap();
}

int SelectPrinterExport(size_t position) { return g_table.Select(position, g_selection); }

int FindPrinterExport(std::string_view name, WindowsPrinter& printer) {
  return g_table.FindPrinter(name, printer);
}
