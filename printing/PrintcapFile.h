#pragma once
// Moving the printer export table to and from printcap. Reading the file whole,
// and replacing it, are the caller's.
#include <cstddef>
#include <string>
#include <string_view>

#include "printing/PrintcapLine.h"
#include "printing/PrinterExportTable.h"
#include "portable/ReadStop.h"

// The longest piece read as one line; the rest of a longer line is the next line.
constexpr size_t kMaxPrintcapLine = 510;

// Replaces the table by the entries of printcap's text, asking for the
// default printer at each "default" line. 0, or kErrorPrintcapLine at the first
// line that lacks one of its first four fields (an empty line too): the entries
// before it stay, and nothing after it is read.
int ReadPrintcapEntries(std::string_view text, const DefaultPrinterSource& defaultPrinter,
                        PrinterExportTable& table);

// Where ReadPrintcapEntries stops before the end of the file's bytes: the first
// line that lacks one of its first four fields; none when it reads every line.
std::optional<ReadStop> FindPrintcapReadStop(std::string_view bytes);

// The whole file: one line per entry, in table order.
std::string FormatPrintcap(const PrinterExportTable& table);
