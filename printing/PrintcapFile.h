#pragma once
// Moving the printer export table to and from an open printcap file. Opening and
// closing the file is the caller's.
#include <cstddef>
#include <cstdio>

#include "printing/PrinterExport.h"
#include "printing/PrinterExportTable.h"

// The longest piece read as one line; the rest of a longer line is the next line.
constexpr size_t kMaxPrintcapLine = 510;

// Replaces the table by the file's entries. 0, or kErrorPrintcapLine at the first
// line that lacks one of its first four fields (an empty line too): the entries
// before it stay, and nothing after it is read.
int ReadPrintcap(std::FILE* file, const WindowsPrinter& defaultPrinter, PrinterExportTable& table);

// One line per entry, in table order; false when a write failed.
bool WritePrintcap(std::FILE* file, const PrinterExportTable& table);
