#include "tools/nfsctl/ExportsCheck.h"

#include <optional>
#include <unordered_map>

#include "exports/ExportEntryStream.h"
#include "exports/ExportLineGrammar.h"
#include "exports/SameDirectory.h"
#include "portable/TextLine.h"
#include "tools/nfsctl/TextPieces.h"

namespace {

// The reader's buffer holds 1024 bytes with the terminator.
constexpr size_t kExportsPiece = kStartupScanLimit - 1;

std::string WhySkipped(int fields) {
  if (fields < 0) return "a colon may only follow the one-letter drive";
  if (fields == 0) return "it has no drive letter";
  return "it has no path after the drive";
}

// A mode the editor has no radio button for, and what the console writes for it.
std::string ModeMessage(const ExportEntry& entry) {
  std::string message = "mode " + std::to_string(entry.mode) +
                        " is none of 0 (read only), 1 (read/write), 2 (R/W list)";
  const std::string written = FormatExportLine(entry);
  ExportEntry reread;
  ParseExportLine(written, kStartupScanLimit, reread);
  if (reread.mode != entry.mode || reread.rwList != entry.rwList)
    message += ": the console writes it back as \"" + written.substr(0, written.size() - 1) +
               "\", which reads back differently";
  return message;
}

}  // namespace

std::vector<Finding> CheckExportsFile(const std::string& path, std::string_view rawBytes) {
  std::vector<Finding> findings;
  auto report = [&](Finding::Severity severity, const char* kind, size_t line, std::string message) {
    findings.push_back({severity, kind, path, line, std::move(message)});
  };
  // Each directory's first line: the file may export thousands.
  std::unordered_map<std::string, size_t> firstLineOf;
  const std::optional<ReadStop> stop = FindExportsReadStop(rawBytes);
  for (const TextPiece& piece : NumberedPieces(rawBytes.substr(0, stop ? stop->offset : rawBytes.size()), kExportsPiece)) {
    if (!piece.EndsLine() && piece.text.size() == kExportsPiece)
      report(Finding::kError, "exports.line-split", piece.line,
             "longer than 1023 characters: the console reads the rest as another line");
    const std::string_view line = WithoutLineEnd(piece.text);
    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos) continue;
    ExportEntry entry;
    const int fields = ParseExportLine(line, kStartupScanLimit, entry);
    if (!IsAcceptedExportLine(fields)) {
      if (line[first] == '#')
        report(Finding::kWarning, "exports.comment", piece.line,
               "a comment: the console keeps no comments, its next save drops this line");
      else
        report(Finding::kError, "exports.skipped", piece.line,
               "the console skips this line (" + WhySkipped(fields) + ") and its next save drops it");
      continue;
    }
    if (entry.mode < ExportEntry::kReadOnly || entry.mode > ExportEntry::kReadWriteList)
      report(Finding::kError, "exports.mode", piece.line, ModeMessage(entry));
    if (FirstOverlongExportToken(line))
      report(Finding::kError, "exports.token-cut", piece.line,
             "a path or host name longer than 127 characters: the console keeps only its first 127");
    if (const auto [first, added] = firstLineOf.try_emplace(DirectoryKey(entry), piece.line); !added)
      report(Finding::kError, "exports.duplicate", piece.line,
             "exports the directory of line " + std::to_string(first->second) +
                 " again: which of the two lines applies is the service's choice");
  }
  // Reported even when nothing follows it: a line appended after it is never read.
  if (stop)
    report(Finding::kError, "exports.end-mark", stop->line,
           "an end-of-file mark (Ctrl+Z), after which the console reads nothing, a line appended later neither: " +
               NotShownText(*stop));
  return findings;
}
