#pragma once
// Moving export entries between the exports file and memory. Reading and
// writing the file is the caller's: the console reads it whole, opened for shared
// access, and writes it whole through a temporary file.
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exports/ExportEntry.h"

// Every accepted line of the file's text, in file order; lines longer than 1023
// characters are read in pieces, each piece as a line.
std::vector<ExportEntry> ReadExportEntries(std::string_view text);

// The entry of the file's last line (read in pieces of 509 characters), or none
// when the file has no line or the last one is not accepted.
std::optional<ExportEntry> ReadLastExportEntry(std::FILE* file);

// The whole file: one line per entry, each ending in CR LF.
std::string FormatExportFile(const std::vector<const ExportEntry*>& entries);

// Whether text holds a Ctrl+Z. The console reads the file in text mode, which
// ends there: nothing after one is read, a line appended after it neither.
bool HoldsEndOfFileMark(std::string_view text);

// The bytes another program appends to a file holding text for one more line
// (without its line end): a CR LF first when the last line lacks its own.
std::string AppendedExportBytes(std::string_view text, std::string_view line);

// What appending line (without its line end) does to a file holding text, for
// every program that appends: refused when the console would not read the line
// (text holds a Ctrl+Z) or when the file exports its directory already (that
// export is named); else the bytes to append.
struct ExportAppend {
  enum Refusal { kNone, kEndOfFileMark, kExportedAlready };
  Refusal refusal = kNone;
  ExportEntry existing;  // with kExportedAlready
  std::string appended;  // with kNone
};
ExportAppend AppendExportLine(std::string_view text, std::string_view line);
