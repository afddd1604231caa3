#pragma once
// The grammar of one printcap line: name,driver,device,port,extra.
#include <functional>
#include <string>
#include <string_view>

#include "printing/PrinterExport.h"

// The driver field of an entry that follows the Windows default printer.
inline constexpr char kDefaultDriverField[] = "default";

// Asked for the Windows default printer when a line follows it.
using DefaultPrinterSource = std::function<WindowsPrinter()>;

// Fills entry from line (without its line end; the text ends at its first NUL):
// false, and entry not to be used, when one of the first four fields is missing.
// Those fields are split at runs of commas; extra is the rest after the comma
// that ends the port, verbatim.
// A "default" line takes what defaultPrinter gives in place of its driver, device
// and port; other lines do not ask.
bool ParsePrintcapLine(std::string_view line, const DefaultPrinterSource& defaultPrinter, PrinterExport& entry);

// True when text can stand as one of the first four fields and read back: not
// empty (runs of commas are one separator), no comma, no control character.
bool IsPrintcapField(std::string_view text);

// The longest export name: the printer dialog reads no more of it.
constexpr size_t kMaxExportName = 19;

// Whether name may be stored as an export name: 1 to kMaxExportName characters,
// no '.', and a printcap field.
bool IsValidExportName(std::string_view name);

// The written form of entry with the target's text line end, CR LF. A "default"
// entry's device or port that cannot stand as a field (empty when no default
// printer is set) is written "default", so that the line reads back.
std::string FormatPrintcapLine(const PrinterExport& entry);
