#pragma once
// The grammar of one exports-file line, in both directions.
#include <cstddef>
#include <optional>
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

// Whether the reader takes c into a path or host name token: not one of the
// delimiters NUL, TAB, LF, CR, blank, '#', ';', and not the colon.
bool IsExportTokenCharacter(char c);

// The first token of line that the reader cuts to kMaxExportToken characters,
// meeting the tokens as it does (the mode character after a ';' is none); none
// when every token is kept whole.
std::optional<std::string_view> FirstOverlongExportToken(std::string_view line);

// A line with a drive and a path is accepted.
inline bool IsAcceptedExportLine(int fields) { return fields >= 2; }

// The written form of entry, "\n" included. Names are written whole.
std::string FormatExportLine(const ExportEntry& entry);
