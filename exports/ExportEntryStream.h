#pragma once
// Moving export entries between an open exports file and memory. Opening and
// closing the file is the caller's: the console opens it for shared access.
#include <cstdio>
#include <optional>
#include <vector>

#include "exports/ExportEntry.h"

// Every accepted line, in file order; lines longer than 1023 characters are read
// in pieces, each piece as a line.
std::vector<ExportEntry> ReadExportEntries(std::FILE* file);

// The entry of the file's last line (read in pieces of 509 characters), or none
// when the file has no line or the last one is not accepted.
std::optional<ExportEntry> ReadLastExportEntry(std::FILE* file);

// Writes one line per entry; false when a write failed.
bool WriteExportEntries(std::FILE* file, const std::vector<const ExportEntry*>& entries);
