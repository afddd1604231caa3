#include "printing/PrintcapOnDisk.h"

#include "portable/WholeFile.h"
#include "printing/PrintcapFile.h"
#include "printing/PrintingPaths.h"

bool PrintcapOnDiskExports(std::string_view name) {
  const PathRead read = ReadWholeFileAt(CurrentPrintingPaths().printcap);
  if (!read.bytes) return false;
  // Only the names count here: a "default" line needs no printer.
  PrinterExportTable onDisk;
  ReadPrintcapEntries(*read.bytes, [] { return WindowsPrinter{}; }, onDisk);
  WindowsPrinter printer;
  return onDisk.FindPrinter(name, printer) == 0;
}
