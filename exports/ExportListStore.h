#pragma once
// Moving the export list to and from the exports file at path, the safe way
// (framework/SharedFile.h). A file that cannot be read at start-up or on an
// announcement is passed over in silence: the list stays as it is.
#include <string>

#include "exports/ExportListBox.h"

// Start-up: adds every accepted line of the file to the list.
void ReadExportsFile(const std::string& path, CExportListBox& list);
// After each change: rewrites the whole file from the list, in list order,
// through a temporary file. Lines other programs appended since the console read
// or wrote the file join the list first; any other change on disk is asked about
// (reload, overwrite or keep editing). Returns an empty text, or the system's
// reason for a failed write; the old file is then whole.
std::string WriteExportsFile(const std::string& path, CExportListBox& list);
// Another program appended lines and announced them: adds each line appended
// since the console last read or wrote the file that the list lacks, leaving the
// file alone.
void AppendLastExport(const std::string& path, CExportListBox& list);
