#pragma once
// The Windows default printer as the profile's "device" value names it.
#include <cstddef>
#include <string_view>

#include "printing/PrinterExport.h"

// The longest value read from the profile; the rest is not seen.
constexpr size_t kMaxProfileDevice = 79;

// "device,driver,port": each field up to the next comma, empty when missing.
WindowsPrinter ParseProfileDevice(std::string_view value);
