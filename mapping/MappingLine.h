#pragma once
// The grammar of one mapping line, without its line end, in both directions.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "mapping/UserInfo.h"

// The longest line read at once; the rest of a longer line is read as the next line.
constexpr size_t kMaxMappingLine = 255;

// The ID of a line that has no third field.
inline constexpr char kNoMappingId[] = "-2";

// Whether a piece of the file read as a line ends the reading of the whole
// file: an empty line does, so the lines after it are never read.
bool EndsMappingReading(std::string_view piece);

// Name from the first field, ID from the third; every other field is dropped.
// The text ends at its first NUL.
CUserInfo ParseMappingLine(std::string_view line);

// "name::id:::: " and a line feed, or nothing for a record without a name.
std::string FormatMappingLine(const CUserInfo& record);

// Why name, mapped to idText, would not read back from the file as the same name,
// or none when it would. Empty (no line is written), a ':' (it ends the field), a
// line end, NUL or Ctrl+Z (they end the line or the reading), or a line longer
// than one read. Every other byte, a tab included, reads back as written.
std::optional<std::string> MappingNameProblem(std::string_view name, std::string_view idText);
