#pragma once
// Moving export entries between the exports file and memory. Reading and
// writing the file is the caller's: the console reads it whole, opened for shared
// access, and writes it whole through a temporary file.
#include <string>
#include <string_view>
#include <vector>

#include "exports/ExportEntry.h"
#include "portable/ReadStop.h"

// Every accepted line of the file's text up to its first Ctrl+Z, in file order;
// lines longer than 1023 characters are read in pieces, each piece as a line.
std::vector<ExportEntry> ReadExportEntries(std::string_view text);

// Every accepted line of text that other programs appended and announced, read
// in pieces of 509 characters, in file order.
std::vector<ExportEntry> ReadAppendedExportEntries(std::string_view text);

// The whole file: one line per entry, each ending in CR LF.
std::string FormatExportFile(const std::vector<const ExportEntry*>& entries);

// Where the console's reader stops before the end of the file's bytes: at the
// first Ctrl+Z, since it reads the file in text mode; none when it reads every
// line. A line appended after the mark is never read either.
std::optional<ReadStop> FindExportsReadStop(std::string_view bytes);

// What appending line (without its line end) does to a file holding text, for
// every program that appends: refused when the console would not read the line
// (text holds a Ctrl+Z) or when the file exports its directory already (that
// export is named); else the bytes to append.
struct ExportAppend {
  enum Refusal { kNone, kEndOfFileMark, kExportedAlready };
  Refusal refusal = kNone;
  size_t markLine = 0;   // with kEndOfFileMark: the line of the mark
  ExportEntry existing;  // with kExportedAlready
  std::string appended;  // with kNone
};
ExportAppend AppendExportLine(std::string_view text, std::string_view line);
