#include "exports/ExportEntryStream.h"

#include <string>

#include "exports/ExportLineGrammar.h"
#include "exports/SameDirectory.h"
#include "portable/TextLine.h"

std::vector<ExportEntry> ReadExportEntries(std::string_view text) {
  // Text mode ends the file there; cut here too, for text read in binary.
  text = text.substr(0, text.find(kEndOfFileMark));
  std::vector<ExportEntry> entries;
  entries.reserve(RecordsToReserve(text));
  LinePieces lines(text);
  for (std::string_view line; lines.Next(kStartupScanLimit - 1, line);) {
    // Read in place; a line that is not accepted gives its place back.
    if (!IsAcceptedExportLine(ParseExportLine(line, kStartupScanLimit, entries.emplace_back())))
      entries.pop_back();
  }
  return entries;
}

std::vector<ExportEntry> ReadAppendedExportEntries(std::string_view text) {
  // As the announced line has always been read: in pieces of a 510-byte buffer.
  constexpr size_t kPiece = 509;
  std::vector<ExportEntry> entries;
  LinePieces lines(text);
  for (std::string_view line; lines.Next(kPiece, line);) {
    if (!IsAcceptedExportLine(ParseExportLine(line, kAppendScanLimit, entries.emplace_back()))) entries.pop_back();
  }
  return entries;
}

std::string FormatExportFile(const std::vector<const ExportEntry*>& entries) {
  std::string text;
  for (const ExportEntry* entry : entries) {
    text += FormatExportLine(*entry);
    text.insert(text.size() - 1, 1, '\r');
  }
  return text;
}

std::optional<ReadStop> FindExportsReadStop(std::string_view bytes) { return EndOfFileMarkStop(bytes); }

ExportAppend AppendExportLine(std::string_view text, std::string_view line) {
  ExportAppend append;
  if (const std::optional<ReadStop> mark = FindExportsReadStop(text)) {
    append.refusal = ExportAppend::kEndOfFileMark;
    append.markLine = mark->line;
    return append;
  }
  ExportEntry added;
  ParseExportLine(line, kAppendScanLimit, added);
  const std::vector<ExportEntry> entries = ReadExportEntries(text);
  if (const ExportEntry* existing = FindSameDirectory(entries, added)) {
    append.refusal = ExportAppend::kExportedAlready;
    append.existing = *existing;
  } else {
    append.appended = AppendedLineBytes(text, line);
  }
  return append;
}
