#pragma once
// Moving the export list to and from the exports file. A file that cannot be
// opened is passed over in silence: the list stays as it is.
#include "exports/ExportListBox.h"

// Start-up: adds every accepted line of the file to the list.
void ReadExportsFile(CExportListBox& list);
// After each change: rewrites the whole file from the list, in list order.
void WriteExportsFile(CExportListBox& list);
// Another program appended a line: adds that last line, leaving the file alone.
void AppendLastExport(CExportListBox& list);
