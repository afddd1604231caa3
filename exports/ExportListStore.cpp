#include "exports/ExportListStore.h"

#include <share.h>

#include "exports/ExportEntryStream.h"
#include "exports/ExportOrder.h"
#include "portable/SaveWholeFile.h"
#include "portable/UniqueFile.h"
#include "portable/WholeFile.h"

namespace {
// Opened for shared access: the service may read the file at the same time.
UniqueFile OpenExportsFile(const std::string& path) { return UniqueFile(_fsopen(path.c_str(), "r", _SH_DENYNO)); }

// Adds at the entry's sorted place, or after the last item when the caller adds
// in the list's order.
void Add(CExportListBox& list, ExportEntry entry, bool inOrder = false) {
  auto owned = std::make_unique<ExportEntry>(std::move(entry));
  const ExportEntry& added = *owned;
  const int index = inOrder ? list.InsertRecord(-1, std::move(owned)) : list.AddRecord(std::move(owned));
  if (index >= 0) list.WidenExtentFor(added);
}
}  // namespace

void ReadExportsFile(const std::string& path, CExportListBox& list) {
  UniqueFile file = OpenExportsFile(path);
  if (!file) return;
  const std::optional<std::string> text = ReadWholeFile(file.get());
  file.reset();
  if (!text) return;
  list.ResetExtent();
  std::vector<ExportEntry> entries = ReadExportEntries(*text);
  // Sorted here with the list's own order, then appended to the empty list: the
  // list's sorted insertion would cost a binary search of compare-item calls
  // per line and an array shift per out-of-order line, growing faster than the
  // file. The list's order is the same; equal entries keep their file order.
  SortExportEntries(entries);
  CListBox::BulkAdd bulk(list, entries.size());
  for (ExportEntry& entry : entries) Add(list, std::move(entry), true);
}

std::string WriteExportsFile(const std::string& path, CExportListBox& list) {
  const std::vector<const ExportEntry*> entries = list.Entries();
  const std::string error = SaveWholeFile(path, FormatExportFile(entries));
  if (!error.empty()) return error;
  list.ResetExtent();
  for (const ExportEntry* entry : entries) list.WidenExtentFor(*entry);
  return {};
}

void AppendLastExport(const std::string& path, CExportListBox& list) {
  std::optional<ExportEntry> last;
  if (UniqueFile file = OpenExportsFile(path)) last = ReadLastExportEntry(file.get());
  if (last) Add(list, std::move(*last));
}
