#include "printing/PrintcapFile.h"

#include "portable/TextLine.h"
#include "printing/PrintingErrors.h"

int ReadPrintcapEntries(std::FILE* file, const DefaultPrinterSource& defaultPrinter,
                        PrinterExportTable& table) {
  table.Clear();
  std::string line;
  while (ReadLinePiece(file, kMaxPrintcapLine, line)) {
    auto entry = ParsePrintcapLine(WithoutLineEnd(line), defaultPrinter);
    if (!entry) return kErrorPrintcapLine;
    table.Append(std::move(*entry));
  }
  return 0;
}

std::string FormatPrintcap(const PrinterExportTable& table) {
  std::string text;
  for (const PrinterExport& entry : table.Entries()) text += FormatPrintcapLine(entry);
  return text;
}
