#pragma once
// Moving the printer export table to and from printcap. Opening the file, and
// replacing it, are the caller's.
#include <cstddef>
#include <cstdio>
#include <string>

#include "printing/PrintcapLine.h"
#include "printing/PrinterExportTable.h"

// The longest piece read as one line; the rest of a longer line is the next line.
constexpr size_t kMaxPrintcapLine = 510;

// Replaces the table by the entries of an open printcap file, asking for the
// default printer at each "default" line. 0, or kErrorPrintcapLine at the first
// line that lacks one of its first four fields (an empty line too): the entries
// before it stay, and nothing after it is read.
int ReadPrintcapEntries(std::FILE* file, const DefaultPrinterSource& defaultPrinter,
                        PrinterExportTable& table);

// The whole file: one line per entry, in table order.
std::string FormatPrintcap(const PrinterExportTable& table);
