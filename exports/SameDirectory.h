#pragma once
// Whether two exports name one directory. Windows compares file names without
// regard to case, so c:\Public and C:\public are one directory.
#include <vector>

#include "exports/ExportEntry.h"

bool SameDirectory(const ExportEntry& a, const ExportEntry& b);

// The first of entries that exports entry's directory, or null.
const ExportEntry* FindSameDirectory(const std::vector<ExportEntry>& entries, const ExportEntry& entry);
