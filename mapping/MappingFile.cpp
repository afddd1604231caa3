#include "mapping/MappingFile.h"

#include "mapping/MappingLine.h"
#include "portable/TextLine.h"
#include "portable/WholeFile.h"

std::optional<std::string> MappingFilePath(std::string_view systemDirectory, MappingFileKind kind) {
  std::string path(systemDirectory);
  path += kind == MappingFileKind::kPasswd ? "\\drivers\\etc\\passwd" : "\\drivers\\etc\\group";
  if (path.size() >= kMaxMappingPath) return std::nullopt;
  return path;
}

std::vector<CUserInfo> ReadMappingFile(const std::string& path) {
  // Text mode: on Windows a CR LF pair arrives as one line feed.
  const PathRead read = ReadWholeFileAt(path, ReadMode::kText);
  return read.bytes ? MappingRecords(*read.bytes) : std::vector<CUserInfo>{};
}

std::vector<CUserInfo> MappingRecords(std::string_view text) {
  std::vector<CUserInfo> records;
  records.reserve(RecordsToReserve(text));
  LinePieces lines(text);
  CUserInfo record;
  while (record.ReadLine(lines)) records.push_back(std::move(record));
  return records;
}
