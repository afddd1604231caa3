#pragma once
// One row of the exported printers list: 70 columns of name, status, device and port.
#include <string>

#include "printing/PrinterExport.h"

constexpr size_t kPrinterRowWidth = 70;

// Each value cut to its column's width and padded with blanks.
std::string FormatPrinterRow(const PrinterExport& entry);
