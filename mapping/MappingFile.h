#pragma once
// Where the passwd and group files are, and moving a whole file to and from its
// records. The file is opened, used and closed within each call.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mapping/UserInfo.h"
#include "portable/ReadStop.h"

enum class MappingFileKind { kPasswd, kGroup };

// The longest path, its terminating NUL included, that the file functions take.
constexpr size_t kMaxMappingPath = 260;

// The system directory followed by "\drivers\etc\passwd" or "\drivers\etc\group";
// none when that does not fit kMaxMappingPath: such a file is neither read nor
// written, rather than a cut path naming another file.
std::optional<std::string> MappingFilePath(std::string_view systemDirectory, MappingFileKind kind);

// Where the reader stops before the end of the file's bytes: at the first Ctrl+Z
// (a file read in text mode ends there), or at an empty line before it; none
// when it reads every line.
std::optional<ReadStop> FindMappingReadStop(std::string_view bytes);

// The records of the file's lines in file order, up to where the reader stops.
std::vector<CUserInfo> ReadMappingRecords(std::string_view bytes);
// The same read from the file at path; a file that cannot be opened gives no records.
std::vector<CUserInfo> ReadMappingFile(const std::string& path);

