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

std::optional<ReadStop> FindMappingReadStop(std::string_view bytes) {
  const std::optional<ReadStop> mark = EndOfFileMarkStop(bytes);
  const std::string_view text = bytes.substr(0, mark ? mark->offset : bytes.size());
  LinePieces lines(text);
  for (std::string_view piece; lines.Next(kMaxMappingLine, piece);)
    if (EndsMappingReading(piece))
      return ReadStopAt(bytes, static_cast<size_t>(piece.data() - bytes.data()), ReadStop::Cause::kEmptyLine);
  return mark;
}

std::vector<CUserInfo> ReadMappingRecords(std::string_view bytes) {
  // Read in binary and cut at the mark here, as text mode would cut it, so that
  // every platform reads the same records; a CR LF pair is one line end either way.
  const std::string_view text = bytes.substr(0, bytes.find(kEndOfFileMark));
  std::vector<CUserInfo> records;
  records.reserve(RecordsToReserve(text));
  LinePieces lines(text);
  CUserInfo record;
  while (record.ReadLine(lines)) records.push_back(std::move(record));
  return records;
}

std::vector<CUserInfo> ReadMappingFile(const std::string& path) {
  const PathRead read = ReadWholeFileAt(path, ReadMode::kBinary);
  return read.bytes ? ReadMappingRecords(*read.bytes) : std::vector<CUserInfo>{};
}
