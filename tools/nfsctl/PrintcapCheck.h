#pragma once
// What the console would lose or misread in printcap.
#include <string>
#include <string_view>
#include <vector>

#include "printing/PrinterExport.h"
#include "tools/nfsctl/Finding.h"

// defaultPrinter is the Windows default printer now (an empty driver: none).
std::vector<Finding> CheckPrintcapFile(const std::string& path, std::string_view rawBytes,
                                       const WindowsPrinter& defaultPrinter);
