#pragma once
// The exports file as the tool reads and edits it: through the console's reader,
// with every line it does not touch kept byte for byte.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exports/ExportEntry.h"

// "c:\public" for an entry.
std::string DirectoryText(const ExportEntry& entry);

// Fills drive and path from "<drive>:<path>", the path in its canonical spelling
// (c:/data/ gives \data); false when text is not of that form.
bool ParseDirectory(std::string_view text, ExportEntry& entry);

// The entries the console reads from the file: none for a missing file; none,
// with the reason in problem, when it cannot be read.
std::optional<std::vector<ExportEntry>> ReadExports(const std::string& path, std::string& problem);

// The first line of bytes, up to the end-of-file mark where the console stops,
// that exports the directory of entry: where its text starts, its length
// without the line end, and the entry the console reads from it.
struct ExportLineAt {
  size_t offset;
  size_t length;
  ExportEntry entry;
};
std::optional<ExportLineAt> FirstExportLineOf(std::string_view bytes, const ExportEntry& entry);

// bytes without the lines that export the directory of entry.
std::string WithoutExportLinesOf(std::string_view bytes, const ExportEntry& entry);

