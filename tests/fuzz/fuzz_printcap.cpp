// Any bytes as a printcap file, and every entry read through its written line and
// back: read fields are never empty and hold no comma, so each one survives. The
// reader stops exactly where its stop is said to be.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "printing/PrintcapFile.h"
#include "printing/PrintcapLine.h"
#include "printing/PrintingErrors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const DefaultPrinterSource defaultPrinter = [] { return WindowsPrinter{"drv", "dev", "port"}; };
  PrinterExportTable table;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const int result = ReadPrintcapEntries(bytes, defaultPrinter, table);
  if (result != 0 && result != kErrorPrintcapLine) std::abort();
  // The stop a write asks about is the reader's own.
  if ((result == kErrorPrintcapLine) != FindPrintcapReadStop(bytes).has_value()) std::abort();

  for (const PrinterExport& entry : table.Entries()) {
    const std::string line = FormatPrintcapLine(entry);
    PrinterExport again;
    if (!ParsePrintcapLine(std::string_view(line).substr(0, line.size() - 2), defaultPrinter, again) ||
        again.name != entry.name || again.useDefault != entry.useDefault || again.driver != entry.driver ||
        again.device != entry.device || again.port != entry.port || again.extra != entry.extra)
      std::abort();
  }
  return 0;
}
