#include "exports/ExportOrder.h"

#include "portable/MbcsText.h"

int CompareExportEntries(const ExportEntry& a, const ExportEntry& b) {
  if (a.drive != b.drive) return a.drive < b.drive ? -1 : 1;
  if (int c = CompareMbcs(a.path, b.path)) return c;
  return CompareMbcs(a.clients, b.clients);
}
