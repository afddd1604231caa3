#pragma once
// Where the passwd and group files are, and moving a whole file to and from its
// records. The file is opened, used and closed within each call.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mapping/UserInfo.h"

enum class MappingFileKind { kPasswd, kGroup };

// The longest path, its terminating NUL included, that the file functions take.
constexpr size_t kMaxMappingPath = 260;

// The system directory followed by "\drivers\etc\passwd" or "\drivers\etc\group";
// none when that does not fit kMaxMappingPath: such a file is neither read nor
// written, rather than a cut path naming another file.
std::optional<std::string> MappingFilePath(std::string_view systemDirectory, MappingFileKind kind);

// The records of the file's lines in file order, up to the first empty line.
// A file that cannot be opened gives no records.
std::vector<CUserInfo> ReadMappingFile(const std::string& path);
// The same of the file's text, read in text mode.
std::vector<CUserInfo> MappingRecords(std::string_view text);

