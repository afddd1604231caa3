#pragma once
// Whether two exports name one directory, as Windows resolves the names: case
// does not matter (c:\Public is C:\public), '/' is a separator like '\', doubled
// and trailing separators and '.' components name nothing, and a path without a
// separator after the drive starts at its root (c:public is c:\public). The
// trail byte of a double-byte character is never a separator nor a letter.
#include <string>
#include <string_view>
#include <vector>

#include "exports/ExportEntry.h"

// path in the one spelling the file should hold: '\' separators, one before each
// component and none at the end ("\" for the root), no "." components; case and
// every other character kept.
std::string CanonicalPath(std::string_view path);

// The drive and path in one spelling for comparisons (ASCII letters in lower
// case, both bytes of a double-byte character as they are): two exports name
// one directory exactly when their keys are equal.
std::string DirectoryKey(const ExportEntry& entry);

bool SameDirectory(const ExportEntry& a, const ExportEntry& b);

// The first of entries that exports entry's directory, or null.
const ExportEntry* FindSameDirectory(const std::vector<ExportEntry>& entries, const ExportEntry& entry);
