#pragma once
// Why an exported printer would not be stored: what the console's next start
// would not read back as stored. nfsctl's printers add and set ask it of the
// entry they store, apply of every entry of a document.
#include <optional>
#include <string>

#include "printing/PrinterExport.h"

struct PrinterExportProblem {
  enum Field { kName, kDriver, kDevice, kPort, kExtra, kLine };
  Field field;
  std::string text;  // said after the field: "is empty or ..."
};

// The printer of an entry that follows the default printer is not asked: its
// line says "default" where the printer would not read back.
std::optional<PrinterExportProblem> FindPrinterExportProblem(const PrinterExport& entry);

// Why an entry cannot be stored to follow the Windows default printer now: none
// is set (an empty driver).
std::optional<std::string> DefaultPrinterProblem(const WindowsPrinter& defaultPrinter);
