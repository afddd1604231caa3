#pragma once
// Moving the export list to and from the exports file at path. A file that
// cannot be read is passed over in silence: the list stays as it is.
#include <string>

#include "exports/ExportListBox.h"

// Start-up: adds every accepted line of the file to the list.
void ReadExportsFile(const std::string& path, CExportListBox& list);
// After each change: rewrites the whole file from the list, in list order, through
// a temporary file. Returns an empty text, or the system's reason for a failure;
// the old file is then whole.
std::string WriteExportsFile(const std::string& path, CExportListBox& list);
// Another program appended a line: adds that last line, leaving the file alone.
void AppendLastExport(const std::string& path, CExportListBox& list);
