#include "printing/PrinterSelection.h"

std::string FormatPrinterSelection(const PrinterSelection& selection) {
  if (selection.printer.driver.empty()) return {};
  return selection.printer.device + " on " + selection.printer.port;
}
