#include "printing/PrintcapFile.h"

#include <string>

#include "portable/TextLine.h"
#include "printing/PrintcapLine.h"
#include "printing/PrintingErrors.h"

int ReadPrintcap(std::FILE* file, const WindowsPrinter& defaultPrinter, PrinterExportTable& table) {
  table.Clear();
  std::string line;
  while (ReadLinePiece(file, kMaxPrintcapLine, line)) {
    auto entry = ParsePrintcapLine(WithoutLineEnd(line), defaultPrinter);
    if (!entry) return kErrorPrintcapLine;
    table.Append(std::move(*entry));
  }
  return 0;
}

bool WritePrintcap(std::FILE* file, const PrinterExportTable& table) {
  bool ok = true;
  for (const PrinterExport& entry : table.Entries()) {
    const std::string line = FormatPrintcapLine(entry);
    ok = std::fwrite(line.data(), 1, line.size(), file) == line.size() && ok;
  }
  return ok;
}
