#include "printing/PrintcapFile.h"

#include "portable/TextLine.h"
#include "printing/PrintingErrors.h"

int ReadPrintcapEntries(std::string_view text, const DefaultPrinterSource& defaultPrinter,
                        PrinterExportTable& table) {
  table.Clear();
  table.Reserve(CountLineFeeds(text) + 1);
  LinePieces lines(text);
  for (std::string_view line; lines.Next(kMaxPrintcapLine, line);) {
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
