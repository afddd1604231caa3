#include "tools/nfsctl/ExportsFile.h"

#include <cerrno>
#include <cstring>

#include "exports/ExportEntryStream.h"
#include "exports/ExportLineGrammar.h"
#include "exports/SameDirectory.h"
#include "portable/UniqueFile.h"
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
  UniqueFile file(std::fopen(path.c_str(), "r"));
  if (file) {
    if (const std::optional<std::string> text = ReadWholeFile(file.get())) return ReadExportEntries(*text);
  } else if (errno == ENOENT) {
    return std::vector<ExportEntry>();
  }
  problem = "cannot read " + path + ": " + std::strerror(errno);
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
