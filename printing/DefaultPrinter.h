#pragma once
// The Windows default printer, as the profile's "device" value names it now.
#include "printing/PrinterExport.h"

// An empty driver when no default printer is set.
WindowsPrinter ReadDefaultPrinter();
