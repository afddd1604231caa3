#include "printing/PrintcapFile.h"

#include <vector>

#include "portable/TextLine.h"
#include "printing/PrintingErrors.h"

int ReadPrintcapEntries(std::string_view text, const DefaultPrinterSource& defaultPrinter,
                        PrinterExportTable& table) {
  // Each entry is read in its place: the file may hold thousands of lines.
  std::vector<PrinterExport> entries;
  entries.reserve(RecordsToReserve(text));
  int result = 0;
  LinePieces lines(text);
  for (std::string_view line; lines.Next(kMaxPrintcapLine, line);) {
    if (!ParsePrintcapLine(WithoutLineEnd(line), defaultPrinter, entries.emplace_back())) {
      entries.pop_back();
      result = kErrorPrintcapLine;
      break;
    }
  }
  table.Assign(std::move(entries));
  return result;
}

std::optional<ReadStop> FindPrintcapReadStop(std::string_view bytes) {
  // Whether a line can be read does not depend on the default printer.
  const DefaultPrinterSource noPrinter = [] { return WindowsPrinter{}; };
  LinePieces lines(bytes);
  for (std::string_view line; lines.Next(kMaxPrintcapLine, line);) {
    PrinterExport entry;
    if (!ParsePrintcapLine(WithoutLineEnd(line), noPrinter, entry))
      return ReadStopAt(bytes, static_cast<size_t>(line.data() - bytes.data()), ReadStop::Cause::kUnreadableLine);
  }
  return std::nullopt;
}

std::string FormatPrintcap(const PrinterExportTable& table) {
  std::string text;
  for (const PrinterExport& entry : table.Entries()) text += FormatPrintcapLine(entry);
  return text;
}
