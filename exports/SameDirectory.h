#pragma once
// Whether two exports name one directory. Windows compares file names without
// regard to case, so c:\Public and C:\public are one directory.
#include "exports/ExportEntry.h"

bool SameDirectory(const ExportEntry& a, const ExportEntry& b);
