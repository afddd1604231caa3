#include "tools/nfsctl/StateMerge.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "exports/ExportEntryStream.h"
#include "exports/ExportLineGrammar.h"
#include "exports/SameDirectory.h"
#include "mapping/MappingList.h"
#include "portable/TextLine.h"
#include "printing/PrintcapFile.h"
#include "printing/PrinterExportProblem.h"

namespace {

// Whether the line read as have is the line desired would write.
bool SameExport(const ExportEntry& have, const ExportEntry& desired) {
  ExportEntry want;
  ParseExportLine(FormatExportLine(desired), kStartupScanLimit, want);
  return SameDirectory(have, want) && have.flags == want.flags && have.clients == want.clients &&
         have.mode == want.mode && have.rwList == want.rwList;
}

// Whether the line read as have reads as desired; a "default" line's printer
// fields are not read.
bool SamePrinter(const PrinterExport& have, const PrinterExport& desired) {
  return have.useDefault == desired.useDefault && have.extra == desired.extra &&
         (desired.useDefault || have.Printer() == desired.Printer());
}

}  // namespace

std::string MergedExportsFile(std::string_view bytes, const std::vector<ExportEntry>& desired, bool prune) {
  std::unordered_map<std::string, size_t> places;
  for (size_t i = 0; i < desired.size(); ++i) places.try_emplace(DirectoryKey(desired[i]), i);
  std::vector<bool> placed(desired.size(), false);
  std::string merged;
  while (!bytes.empty()) {
    const size_t end = std::min(bytes.find('\n'), bytes.size() - 1);
    const std::string_view line = bytes.substr(0, end + 1);
    bytes.remove_prefix(line.size());
    ExportEntry read;
    if (!IsAcceptedExportLine(ParseExportLine(line, kStartupScanLimit, read))) {
      merged += line;
      continue;
    }
    const auto found = places.find(DirectoryKey(read));
    if (found == places.end()) {
      if (!prune) merged += line;
      continue;
    }
    const size_t named = found->second;
    if (placed[named]) continue;
    placed[named] = true;
    if (SameExport(read, desired[named])) {
      merged += line;
      continue;
    }
    // The new line ends as the old one did.
    const size_t body = line.ends_with("\r\n") ? line.size() - 2 : line.ends_with('\n') ? line.size() - 1 : line.size();
    std::string written = FormatExportLine(desired[named]);
    written.pop_back();
    merged += written;
    merged += line.substr(body);
  }
  for (size_t i = 0; i < desired.size(); ++i) {
    if (placed[i]) continue;
    std::string line = FormatExportLine(desired[i]);
    line.pop_back();
    merged += AppendedLineBytes(merged, line);
  }
  return merged;
}

std::optional<std::vector<CUserInfo>> MergedMappings(const std::vector<CUserInfo>& current,
                                                     const std::vector<CUserInfo>& desired, bool prune,
                                                     const std::string& part, const char* idField,
                                                     StateProblem& problem) {
  std::unordered_map<std::string, size_t> names;
  for (size_t i = 0; i < desired.size(); ++i) names.emplace(desired[i].m_strName, i);
  std::vector<bool> placed(desired.size(), false);
  std::vector<CUserInfo> merged;
  std::map<MappingIdKey, std::string> kept;  // IDs of the mappings the document does not name
  for (const CUserInfo& record : current) {
    const auto named = names.find(record.m_strName);
    if (named == names.end()) {
      if (!prune) {
        merged.push_back(record);
        kept.emplace(MappingIdKeyOf(record.m_strId), record.m_strName);
      }
      continue;
    }
    const size_t index = named->second;
    if (placed[index]) continue;
    placed[index] = true;
    // 0500 is 500: an ID the service reads as the wanted one stays as written.
    const CUserInfo& wanted = desired[index];
    merged.push_back(MappingIdKeyOf(record.m_strId) == MappingIdKeyOf(wanted.m_strId) ? record : wanted);
  }
  for (size_t i = 0; i < desired.size(); ++i) {
    if (const auto holder = kept.find(MappingIdKeyOf(desired[i].m_strId)); holder != kept.end()) {
      problem = {part + "[" + std::to_string(i) + "]." + idField,
                 desired[i].m_strId + " is mapped to " + holder->second +
                     ", which the document does not name (--prune removes that mapping)",
                 {}};
      return std::nullopt;
    }
    if (!placed[i]) merged.push_back(desired[i]);
  }
  return merged;
}

std::optional<std::string> MergedPrintcapFile(std::string_view bytes, const std::vector<PrinterExport>& desired,
                                              bool prune, const WindowsPrinter& defaultPrinter,
                                              StateProblem& problem) {
  std::unordered_map<std::string, size_t> names;
  for (size_t i = 0; i < desired.size(); ++i) names.emplace(desired[i].name, i);
  // The line of desired[i], without its line end; none, with problem, when it cannot be written.
  auto written = [&](size_t i) -> std::optional<std::string> {
    PrinterExport entry = desired[i];
    if (entry.useDefault) {
      if (auto noDefault = DefaultPrinterProblem(defaultPrinter)) {
        problem = {"printers[" + std::to_string(i) + "].follows_default", *noDefault, {}};
        return std::nullopt;
      }
      entry.driver = defaultPrinter.driver;
      entry.device = defaultPrinter.device;
      entry.port = defaultPrinter.port;
      // The default printer's names may make the line too long.
      if (auto tooLong = FindPrinterExportProblem(entry)) {
        problem = {"printers[" + std::to_string(i) + "]", tooLong->text, {}};
        return std::nullopt;
      }
    }
    std::string line = FormatPrintcapLine(entry);
    line.resize(line.size() - 2);
    return line;
  };
  const DefaultPrinterSource unread = [] { return WindowsPrinter{}; };
  std::vector<bool> placed(desired.size(), false);
  std::string merged;
  LinePieces lines(bytes);
  for (std::string_view piece; lines.Next(kMaxPrintcapLine, piece);) {
    const std::string_view text = WithoutLineEnd(piece);
    PrinterExport read;
    const bool entry = ParsePrintcapLine(text, unread, read);
    const auto named = entry ? names.find(read.name) : names.end();
    if (named == names.end()) {
      if (!prune || !entry) merged += piece;
      continue;
    }
    if (placed[named->second]) continue;
    placed[named->second] = true;
    if (SamePrinter(read, desired[named->second])) {
      merged += piece;
      continue;
    }
    // The new line ends as the old one did.
    const std::optional<std::string> line = written(named->second);
    if (!line) return std::nullopt;
    merged += *line;
    merged += piece.substr(text.size());
  }
  for (size_t i = 0; i < desired.size(); ++i) {
    if (placed[i]) continue;
    const std::optional<std::string> line = written(i);
    if (!line) return std::nullopt;
    merged += AppendedLineBytes(merged, *line);
  }
  return merged;
}
