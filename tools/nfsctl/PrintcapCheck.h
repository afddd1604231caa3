#pragma once
// What the console would lose or misread in printcap.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "printing/PrinterExport.h"
#include "tools/nfsctl/Finding.h"

// defaultPrinter is the Windows default printer now (an empty driver: none).
std::vector<Finding> CheckPrintcapFile(const std::string& path, std::string_view rawBytes,
                                       const WindowsPrinter& defaultPrinter);

// Why a save, which writes only the entries the console read, would lose data:
// the first such finding, "line N: ..."; none when it loses nothing.
std::optional<std::string> PrintcapSaveLoss(const std::string& path, std::string_view rawBytes);
