#pragma once
// The New and Edit commands of the main window: the export editor, then the
// list and the exports file.
#include "exports/ExportListBox.h"
#include "framework/Wnd.h"

// Runs the editor on a new export; after OK the entry joins the list at its
// sorted place and the file is rewritten.
void NewExport(CWnd& frame, CExportListBox& list);

// Runs the editor on the selected export; after OK the entry changes in place,
// keeping its position, and the file is rewritten. Nothing without a selection.
void EditExport(CWnd& frame, CExportListBox& list);
