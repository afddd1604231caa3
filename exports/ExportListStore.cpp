#include "exports/ExportListStore.h"

#include <share.h>

#include "app/ProcessValues.h"
#include "exports/ExportEntryStream.h"
#include "exports/ExportOrder.h"
#include "framework/Handles.h"
#include "portable/UniqueFile.h"

namespace {
// Opened for shared access: the service may read the file at the same time.
UniqueFile OpenExportsFile(const char* mode) {
  const std::optional<std::string>& path = ExportsPath();
  return UniqueFile(path ? _fsopen(path->c_str(), mode, _SH_DENYNO) : nullptr);
}

// Adds at the entry's sorted place, or after the last item when the caller adds
// in the list's order.
void Add(CExportListBox& list, ExportEntry entry, bool inOrder = false) {
  auto owned = std::make_unique<ExportEntry>(std::move(entry));
  const ExportEntry& added = *owned;
  const int index = inOrder ? list.AppendEntry(std::move(owned)) : list.AddEntry(std::move(owned));
  if (index >= 0) list.WidenExtentFor(added);
}
}  // namespace

void ReadExportsFile(CExportListBox& list) {
  UniqueFile file = OpenExportsFile("r");
  if (!file) return;
  list.ResetExtent();
  std::vector<ExportEntry> entries = ReadExportEntries(file.get());
  file.reset();
  // Sorted here with the list's own order, then appended to the empty list: the
  // list's sorted insertion would cost a binary search of compare-item calls
  // per line and an array shift per out-of-order line, growing faster than the
  // file. The list's order is the same; equal entries keep their file order.
  SortExportEntries(entries);
  CExportListBox::BulkAdd bulk(list, entries.size());
  for (ExportEntry& entry : entries) Add(list, std::move(entry), true);
}

void WriteExportsFile(CExportListBox& list) {
  UniqueFile file = OpenExportsFile("w");
  if (!file) return;
  list.ResetExtent();
  const std::vector<const ExportEntry*> entries = list.Entries();
  WriteExportEntries(file.get(), entries);
  for (const ExportEntry* entry : entries) list.WidenExtentFor(*entry);
}

void AppendLastExport(CExportListBox& list) {
  std::optional<ExportEntry> last;
  if (UniqueFile file = OpenExportsFile("r")) last = ReadLastExportEntry(file.get());
  if (last) Add(list, std::move(*last));
}
