#pragma once
// The exports values that a line cannot carry. A line is split at blanks, TABs,
// ';' and ':' and ends at '#' or a line end, so such characters inside a path or
// host name would be read back as another export; a longer token or text would be
// cut. Whatever adds an export refuses these rather than write them.
#include <optional>
#include <string>

#include "exports/ExportEntry.h"

// The longest line (line end not counted) that a console reads back when another
// program announces it.
constexpr size_t kMaxAnnouncedExportLine = 509;

// Why entry would not be read back as written, or none when it would: the drive
// is a letter, the path and every host name are non-empty tokens of printable
// characters other than the separators, at most 127 characters each, the
// clients and R/W list texts as written fit 127 characters, the mode is 0 to 2
// and the whole line fits kMaxAnnouncedExportLine.
std::optional<std::string> ExportLineProblem(const ExportEntry& entry);
