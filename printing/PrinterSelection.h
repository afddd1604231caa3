#pragma once
// The working printer choice that the printer dialogs fill and the table stores.
#include <string>

#include "printing/PrinterExport.h"

struct PrinterSelection {
  std::string editName;  // the entry being modified; empty for a new one
  int useDefault = 0;
  WindowsPrinter printer;
};

// "<device> on <port>", or nothing while no printer (no driver) is chosen.
std::string FormatPrinterSelection(const PrinterSelection& selection);
