#include "exports/ExportEntryStream.h"

#include <string>

#include "exports/ExportLineGrammar.h"

std::vector<ExportEntry> ReadExportEntries(std::FILE* file) {
  std::vector<ExportEntry> entries;
  char line[kStartupScanLimit];
  while (std::fgets(line, sizeof line, file)) {
    ExportEntry entry;
    if (IsAcceptedExportLine(ParseExportLine(line, kStartupScanLimit, entry)))
      entries.push_back(std::move(entry));
  }
  return entries;
}

std::optional<ExportEntry> ReadLastExportEntry(std::FILE* file) {
  constexpr int kPiece = 510;
  char piece[kPiece];
  std::string last;
  bool any = false;
  while (std::fgets(piece, kPiece, file)) {
    last = piece;
    any = true;
  }
  if (!any) return std::nullopt;
  ExportEntry entry;
  if (!IsAcceptedExportLine(ParseExportLine(last, kAppendScanLimit, entry))) return std::nullopt;
  return entry;
}

bool WriteExportEntries(std::FILE* file, const std::vector<const ExportEntry*>& entries) {
  bool ok = true;
  for (const ExportEntry* entry : entries) {
    const std::string line = FormatExportLine(*entry);
    ok = std::fputs(line.c_str(), file) >= 0 && ok;
  }
  return ok;
}
