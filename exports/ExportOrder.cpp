#include "exports/ExportOrder.h"

#include <algorithm>

#include "portable/MbcsText.h"

int CompareExportEntries(const ExportEntry& a, const ExportEntry& b) {
  if (a.drive != b.drive) return a.drive < b.drive ? -1 : 1;
  if (int c = CompareMbcs(a.path, b.path)) return c;
  return CompareMbcs(a.clients, b.clients);
}

void SortExportEntries(std::vector<ExportEntry>& entries) {
  std::stable_sort(entries.begin(), entries.end(), [](const ExportEntry& a, const ExportEntry& b) {
    return CompareExportEntries(a, b) < 0;
  });
}
