#include "printing/PrintcapOnDisk.h"

#include <cstdio>

#include "portable/UniqueFile.h"
#include "portable/WholeFile.h"
#include "printing/PrintcapFile.h"
#include "printing/PrintingPaths.h"

bool PrintcapOnDiskExports(std::string_view name) {
  const UniqueFile file(std::fopen(CurrentPrintingPaths().printcap.c_str(), "rb"));
  if (!file) return false;
  const std::optional<std::string> text = ReadWholeFile(file.get());
  if (!text) return false;
  // Only the names count here: a "default" line needs no printer.
  PrinterExportTable onDisk;
  ReadPrintcapEntries(*text, [] { return WindowsPrinter{}; }, onDisk);
  WindowsPrinter printer;
  return onDisk.FindPrinter(name, printer) == 0;
}
