#include "exports/ExportListStore.h"

#include "exports/ExportEntryStream.h"
#include "exports/ExportOrder.h"
#include "exports/SameDirectory.h"
#include "framework/SharedFileSave.h"

namespace {
// The exports file as this console last read or wrote it. Read in text mode, as
// the console always has: a Ctrl+Z ends it.
std::optional<SharedFile> g_file;

SharedFile& ExportsFile(const std::string& path) {
  if (!g_file || g_file->Path() != path) g_file.emplace(path, ReadMode::kText);
  return *g_file;
}

// Adds at the entry's sorted place, or after the last item when the caller adds
// in the list's order.
void Add(CExportListBox& list, ExportEntry entry, bool inOrder = false) {
  auto owned = std::make_unique<ExportEntry>(std::move(entry));
  const ExportEntry& added = *owned;
  const int index = inOrder ? list.InsertRecord(-1, std::move(owned)) : list.AddRecord(std::move(owned));
  if (index >= 0) list.WidenExtentFor(added);
}

void Fill(CExportListBox& list, const std::string& text) {
  list.ResetExtent();
  std::vector<ExportEntry> entries = ReadExportEntries(text);
  // Sorted here with the list's own order, then appended to the empty list: the
  // list's sorted insertion would cost a binary search of compare-item calls
  // per line and an array shift per out-of-order line, growing faster than the
  // file. The list's order is the same; equal entries keep their file order.
  SortExportEntries(entries);
  CListBox::BulkAdd bulk(list, entries.size());
  for (ExportEntry& entry : entries) Add(list, std::move(entry), true);
}

// The lines another program added to text that the list lacks: another
// announcement, or the console's own save, may have taken some in already.
void AddAnnounced(CExportListBox& list, std::string_view text) {
  std::vector<ExportEntry> listed;
  for (const ExportEntry* entry : list.Entries()) listed.push_back(*entry);
  for (ExportEntry& entry : ReadAppendedExportEntries(text)) {
    if (FindSameDirectory(listed, entry)) continue;
    listed.push_back(entry);
    Add(list, std::move(entry));
  }
}
}  // namespace

void ReadExportsFile(const std::string& path, CExportListBox& list) {
  const PathRead read = ExportsFile(path).Load();
  if (read.bytes) Fill(list, *read.bytes);
}

std::string WriteExportsFile(const std::string& path, CExportListBox& list) {
  SharedFile& file = ExportsFile(path);
  const SaveResult saved = SaveSharedFile(
      file, [&list] { return FormatExportFile(list.Entries()); },
      [&list](std::string_view appended) { AddAnnounced(list, appended); });
  switch (saved.outcome) {
    case SaveOutcome::kWritten:
      list.ResetExtent();
      for (const ExportEntry* entry : list.Entries()) list.WidenExtentFor(*entry);
      return {};
    case SaveOutcome::kWriteFailed:
      return saved.error;
    case SaveOutcome::kReload:
      list.ResetContent();
      ReadExportsFile(path, list);
      return {};
    case SaveOutcome::kKeepEditing:
    case SaveOutcome::kNotWritten:
      return {};
  }
  return {};
}

void AppendLastExport(const std::string& path, CExportListBox& list) {
  SharedFile& file = ExportsFile(path);
  // Passed over when another program holds the file that long: the next save takes the lines in.
  const std::optional<FileLock> lock = FileLock::Take(path);
  if (!lock) return;
  const PathRead disk = file.ReadDisk(*lock);
  if (!disk.bytes) return;
  if (const std::optional<std::string_view> appended = file.Appended(disk)) {
    AddAnnounced(list, *appended);
    file.Remember(disk);
  } else {
    // Rewritten by another program: its other changes are still to be asked
    // about at the next save, so the file is not taken as read.
    AddAnnounced(list, *disk.bytes);
  }
}
