#pragma once
// Moving export entries between the exports file and memory. Reading and
// writing the file is the caller's: the console reads it whole, opened for shared
// access, and writes it whole through a temporary file.
#include <string>
#include <string_view>
#include <vector>

#include "exports/ExportEntry.h"

// Every accepted line of the file's text, in file order; lines longer than 1023
// characters are read in pieces, each piece as a line.
std::vector<ExportEntry> ReadExportEntries(std::string_view text);

// Every accepted line of text that other programs appended and announced, read
// in pieces of 509 characters, in file order.
std::vector<ExportEntry> ReadAppendedExportEntries(std::string_view text);

// The whole file: one line per entry, each ending in CR LF.
std::string FormatExportFile(const std::vector<const ExportEntry*>& entries);

// Whether text holds a Ctrl+Z. The console reads the file in text mode, which
// ends there: nothing after one is read, a line appended after it neither.
bool HoldsEndOfFileMark(std::string_view text);

// The bytes another program appends to a file holding text for one more line
// (without its line end): a CR LF first when the last line lacks its own.
std::string AppendedExportBytes(std::string_view text, std::string_view line);
