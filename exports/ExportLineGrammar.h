#pragma once
// The grammar of one exports-file line, in both directions.
#include <cstddef>
#include <string>
#include <string_view>

#include "exports/ExportEntry.h"

// How far a line is scanned: lines read at start-up, and the line announced by
// another program.
constexpr size_t kStartupScanLimit = 1024;
constexpr size_t kAppendScanLimit = 512;

// The longest token kept; further characters of a token are dropped.
constexpr size_t kMaxExportToken = 127;

// Fills entry from line and returns the count of fields found (drive, path, each
// client), or -1 for a malformed line. The text ends at its first NUL or at its end.
int ParseExportLine(std::string_view line, size_t scanLimit, ExportEntry& entry);

// A line with a drive and a path is accepted.
inline bool IsAcceptedExportLine(int fields) { return fields >= 2; }

// The written form of entry, "\n" included. Names are written whole.
std::string FormatExportLine(const ExportEntry& entry);
