#pragma once
// What one export grants a client host, as the service reads the exports file.
#include <string_view>

#include "exports/ExportEntry.h"

struct ExportAccess {
  bool mountable = false;  // exported to all clients, or the host is among them
  bool readWrite = false;  // mode 1, or mode 2 with the host in the R/W list
};

// Host names are compared without regard to case, as DNS does.
ExportAccess AccessFor(const ExportEntry& entry, std::string_view host);
