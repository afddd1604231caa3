#include "tools/nfsctl/ExportsFile.h"

#include <algorithm>
#include <cstring>

#include "exports/ExportEntryStream.h"
#include "exports/ExportLineGrammar.h"
#include "exports/SameDirectory.h"
#include "portable/ReadStop.h"
#include "portable/WholeFile.h"

std::string DirectoryText(const ExportEntry& entry) {
  return std::string(1, static_cast<char>(entry.drive)) + ":" + entry.path;
}

bool ParseDirectory(std::string_view text, ExportEntry& entry) {
  if (text.size() < 3 || text[1] != ':') return false;
  entry.drive = static_cast<unsigned char>(text[0]);
  entry.path = CanonicalPath(text.substr(2));
  return true;
}

std::optional<std::vector<ExportEntry>> ReadExports(const std::string& path, std::string& problem) {
  // Text mode, as the console reads it.
  const PathRead read = ReadWholeFileAt(path, ReadMode::kText);
  if (read.bytes) return ReadExportEntries(*read.bytes);
  if (read.Missing()) return std::vector<ExportEntry>();
  problem = "cannot read " + path + (read.error ? std::string(": ") + std::strerror(read.error) : "");
  return std::nullopt;
}

std::optional<ExportLineAt> FirstExportLineOf(std::string_view bytes, const ExportEntry& entry) {
  bytes = bytes.substr(0, bytes.find(kEndOfFileMark));
  for (size_t offset = 0; offset < bytes.size();) {
    const size_t end = std::min(bytes.find('\n', offset), bytes.size() - 1);
    const std::string_view line = bytes.substr(offset, end + 1 - offset);
    ExportEntry read;
    if (IsAcceptedExportLine(ParseExportLine(line, kStartupScanLimit, read)) && SameDirectory(read, entry)) {
      const std::string_view text = line.substr(0, line.find_last_not_of("\r\n") + 1);
      return ExportLineAt{offset, text.size(), std::move(read)};
    }
    offset = end + 1;
  }
  return std::nullopt;
}

std::string WithoutExportLinesOf(std::string_view bytes, const ExportEntry& entry) {
  std::string kept;
  while (!bytes.empty()) {
    const size_t end = std::min(bytes.find('\n'), bytes.size() - 1);
    const std::string_view line = bytes.substr(0, end + 1);
    ExportEntry read;
    if (!IsAcceptedExportLine(ParseExportLine(line, kStartupScanLimit, read)) || !SameDirectory(read, entry))
      kept += line;
    bytes.remove_prefix(line.size());
  }
  return kept;
}

