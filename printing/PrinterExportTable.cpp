#include "printing/PrinterExportTable.h"

#include <algorithm>

#include "printing/PrintingErrors.h"

namespace {
// The first entry named name, in a const table or not.
template <class Entries>
auto NamedIn(Entries& entries, std::string_view name) {
  return std::find_if(entries.begin(), entries.end(),
                      [name](const PrinterExport& e) { return e.name == name; });
}
}  // namespace

int PrinterExportTable::Store(std::string_view oldName, const std::string& newName,
                              const PrinterSelection& selection) {
  PrinterExport* entry;
  if (oldName.empty()) {
    entry = &entries_.emplace_back();
  } else {
    auto it = NamedIn(entries_, oldName);
    if (it == entries_.end()) return kErrorEntryToModifyMissing;
    entry = &*it;
  }
  *entry = PrinterExport{newName,
                         kPrinterReady,
                         selection.useDefault,
                         selection.printer.driver,
                         selection.printer.device,
                         selection.printer.port,
                         {}};
  return 0;
}

int PrinterExportTable::Remove(size_t position) {
  if (position >= entries_.size()) return kErrorEntryToRemoveMissing;
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(position));
  return 0;
}

int PrinterExportTable::Select(size_t position, PrinterSelection& selection) const {
  if (position >= entries_.size()) return -1;
  const PrinterExport& entry = entries_[position];
  selection.editName = entry.name;
  selection.useDefault = entry.useDefault;
  selection.printer = entry.Printer();
  return 0;
}

std::optional<size_t> PrinterExportTable::PositionOf(std::string_view name) const {
  const auto it = NamedIn(entries_, name);
  if (it == entries_.end()) return std::nullopt;
  return static_cast<size_t>(it - entries_.begin());
}

int PrinterExportTable::FindPrinter(std::string_view name, WindowsPrinter& printer) const {
  auto it = NamedIn(entries_, name);
  if (it == entries_.end()) return -1;
  printer = it->Printer();
  return 0;
}
