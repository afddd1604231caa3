#pragma once
// The exported printers in printcap order, addressed by position (the row of the
// exported printers list) or by name (exact; the first of equal names wins).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "printing/PrinterExport.h"
#include "printing/PrinterSelection.h"

class PrinterExportTable {
 public:
  const std::vector<PrinterExport>& Entries() const { return entries_; }
  void Clear() { entries_.clear(); }
  void Assign(std::vector<PrinterExport>&& entries) { entries_ = std::move(entries); }

  // oldName empty: appends a new entry; otherwise replaces the first entry of that
  // name in its place. The entry takes newName and the selection's printer, with
  // an empty extra field. 0, or kErrorEntryToModifyMissing.
  int Store(std::string_view oldName, const std::string& newName, const PrinterSelection& selection);

  // 0, or kErrorEntryToRemoveMissing.
  int Remove(size_t position);

  // Copies the entry's name, useDefault and printer into selection: 0, or -1 when
  // there is no such entry and nothing is copied.
  int Select(size_t position, PrinterSelection& selection) const;

  // The position of the first entry named name.
  std::optional<size_t> PositionOf(std::string_view name) const;

  // The printer of the first entry named name: 0, or -1 and printer unchanged.
  int FindPrinter(std::string_view name, WindowsPrinter& printer) const;

 private:
  std::vector<PrinterExport> entries_;
};
