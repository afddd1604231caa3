#include "printing/PrinterExportProblem.h"

#include <algorithm>

#include "printing/PrintcapFile.h"
#include "printing/PrintcapLine.h"

std::optional<PrinterExportProblem> FindPrinterExportProblem(const PrinterExport& entry) {
  using Problem = PrinterExportProblem;
  if (!IsValidExportName(entry.name))
    return Problem{Problem::kName, "is not an export name: 1 to " + std::to_string(kMaxExportName) +
                                       " characters, without '.', ',' or a control character"};
  // printcap splits its first four fields at runs of commas: an empty one is lost.
  if (!entry.useDefault) {
    const std::pair<Problem::Field, const std::string*> fields[] = {
        {Problem::kDriver, &entry.driver}, {Problem::kDevice, &entry.device}, {Problem::kPort, &entry.port}};
    for (const auto& field : fields)
      if (!IsPrintcapField(*field.second)) return Problem{field.first, "is empty or holds ',' or a control character"};
  }
  // The rest of the line, commas and all; a line end or NUL would end it early.
  if (std::any_of(entry.extra.begin(), entry.extra.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }))
    return Problem{Problem::kExtra, "holds a line end or a NUL"};
  const std::string line = FormatPrintcapLine(entry);
  if (line.size() - 2 >= kMaxPrintcapLine)
    return Problem{Problem::kLine, "would be a printcap line longer than " + std::to_string(kMaxPrintcapLine - 1) +
                                       " characters, which the console reads as two"};
  return std::nullopt;
}

std::optional<std::string> DefaultPrinterProblem(const WindowsPrinter& defaultPrinter) {
  if (!defaultPrinter.driver.empty()) return std::nullopt;
  return "cannot follow the default printer: none is set, so its jobs could not be printed";
}
