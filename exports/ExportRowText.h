#pragma once
// What one row of the export list shows, in fixed-pitch columns under the header.
#include <string>

#include "exports/ExportEntry.h"

// The header line: "Exported" starts at column 1, "Authorized" at column 36.
inline constexpr char kExportListHeader[] =
    " Exported Path                      Authorized Clients";

// The longest row; a clients text that would pass it ends in "...".
constexpr size_t kMaxExportRow = 1023;

// Drive (lower case) at column 3, the path from column 5 (a path over 31
// characters as "..." and its last 28), the clients from column 36.
std::string FormatExportRow(const ExportEntry& entry);

// The width in characters that the horizontal scroll range must reach once entry
// is in the list, given the width it reaches now.
int WidenExtent(int extentChars, const ExportEntry& entry);
