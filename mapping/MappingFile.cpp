#include "mapping/MappingFile.h"

#include <cstdio>
#include <memory>

#include "mapping/MappingLine.h"
#include "portable/TextLine.h"
#include "portable/WholeFile.h"

namespace {
using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

File Open(const std::string& path, const char* mode) {
  return File(std::fopen(path.c_str(), mode), &std::fclose);
}
}  // namespace

std::optional<std::string> MappingFilePath(std::string_view systemDirectory, MappingFileKind kind) {
  std::string path(systemDirectory);
  path += kind == MappingFileKind::kPasswd ? "\\drivers\\etc\\passwd" : "\\drivers\\etc\\group";
  if (path.size() >= kMaxMappingPath) return std::nullopt;
  return path;
}

std::vector<CUserInfo> ReadMappingFile(const std::string& path) {
  std::vector<CUserInfo> records;
  // Text mode: on Windows a CR LF pair arrives as one line feed.
  File file = Open(path, "rt");
  if (!file) return records;
  const std::optional<std::string> text = ReadWholeFile(file.get());
  if (!text) return records;
  records.reserve(RecordsToReserve(*text));
  LinePieces lines(*text);
  CUserInfo record;
  while (record.ReadLine(lines)) records.push_back(std::move(record));
  return records;
}
