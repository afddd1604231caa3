#pragma once
// The export commands of the main window. Each change ends the same way: the
// list repainted, the whole exports file rewritten, and a failed write told to
// the administrator (the list keeps the change). A change another program made
// to the file meanwhile is asked about first (ExportListStore.h).
#include "exports/ExportPane.h"

// Runs the editor on a new export; after OK the entry joins the list at its
// sorted place.
void NewExport(CExportPane& pane);

// Runs the editor on the selected export; after OK the entry changes in place,
// keeping its position. Nothing without a selection.
void EditExport(CExportPane& pane);

// Asks, then deletes the selected export and selects the one now at its index,
// or the one before when it was the last.
void DeleteExport(CExportPane& pane);
