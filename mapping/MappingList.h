#pragma once
// The rules of a page's list of mappings: what may be added, what a removal
// takes, and the file the list is saved as.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mapping/UserInfo.h"

// The ID text of a new mapping: signed decimal, no leading zeros.
std::string MappingIdText(int32_t id);

// Why a mapping of name to idText may not be added. The ID is tested before the
// name; both comparisons are exact (Alice is not alice, 0500 is not 500).
enum class MappingConflict { kNone, kIdTaken, kNameTaken };
MappingConflict FindMappingConflict(const std::vector<CUserInfo>& mappings, std::string_view name,
                                    std::string_view idText);

// The first record named name, in list order, which a removal takes.
std::optional<size_t> FirstMappingNamed(const std::vector<CUserInfo>& mappings, std::string_view name);

// The whole file as the console writes it in text mode on Windows: one mapping
// line per record ending in CR LF; records without a name leave no line. The
// caller writes it in one safe step, so a failed write leaves the old file whole.
std::string MappingFileBytes(const std::vector<CUserInfo>& mappings);
