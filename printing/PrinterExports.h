#pragma once
// The printer export table and the printer selection of the whole run, and the
// operations of the printer dialogs and the job printer over them. Failures are
// reported here, with the error boxes; callers only look at the result.
#include <cstddef>
#include <string>
#include <string_view>

#include "printing/PrinterExportTable.h"
#include "printing/PrinterSelection.h"

const PrinterExportTable& PrinterExports();
PrinterSelection& CurrentPrinterSelection();

// The selection's printer becomes the Windows default printer.
void LoadDefaultPrinter();

// The table from printcap: 0, or the internal error already shown. A missing
// file is an empty table.
int ReadPrintcap();

// oldName empty: a new entry; otherwise the first entry named oldName. Then
// printcap is rewritten whole (internal error 1003 when that fails); a change
// another program made to it since is asked about first: the table keeps the
// change unless the administrator reloads the file or edits on. 0, or non-zero
// once reported.
int StorePrinterExport(const std::string& oldName, const std::string& newName);
int RemovePrinterExport(size_t position);
// The entry's name, useDefault and printer into the selection: 0, or -1.
int SelectPrinterExport(size_t position);
// The printer of the first entry named name: 0, or -1 and printer unchanged.
int FindPrinterExport(std::string_view name, WindowsPrinter& printer);
