#pragma once
// The order of the export list: by drive code, then path, then clients.
#include <vector>

#include "exports/ExportEntry.h"

// Negative, zero or positive like strcmp. Upper-case drives sort before lower-case
// ones; texts compare case-sensitively by (double-byte) characters.
int CompareExportEntries(const ExportEntry& a, const ExportEntry& b);

// Puts entries in the list's order; entries that compare equal keep their order.
void SortExportEntries(std::vector<ExportEntry>& entries);
