#pragma once
// The rules of a page's list of mappings: what may be added, what a removal
// takes, and the file the list is saved as.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mapping/UserInfo.h"

// The ID text of a new mapping: signed decimal, no leading zeros.
std::string MappingIdText(int32_t id);

// The ID of a mapping as the service reads it: a decimal number, so 0500 is 500;
// text that is no number stands for itself.
struct MappingIdKey {
  std::optional<int> value;
  std::string text;  // when it is no number
  auto operator<=>(const MappingIdKey&) const = default;
};
MappingIdKey MappingIdKeyOf(std::string_view idText);

// Why a mapping of name to idText may not be added. The ID is tested before the
// name; names compare exactly (Alice is not alice), IDs by their key.
enum class MappingConflict { kNone, kIdTaken, kNameTaken };
MappingConflict FindMappingConflict(const std::vector<CUserInfo>& mappings, std::string_view name,
                                    std::string_view idText);

// The same rule for checking many new mappings, as a document of thousands
// does: the names and IDs of those added so far, looked up instead of walked.
class MappingIndex {
 public:
  // holder: the place, in the order added, of the mapping that takes the ID or
  // the name; the first of them when the list holds it twice.
  MappingConflict ConflictOf(std::string_view name, std::string_view idText, size_t& holder) const;
  void Add(const CUserInfo& record);

 private:
  std::map<MappingIdKey, size_t> ids_;
  std::map<std::string, size_t, std::less<>> names_;
  size_t added_ = 0;
};

// The first record named name, in list order, which a removal takes.
std::optional<size_t> FirstMappingNamed(const std::vector<CUserInfo>& mappings, std::string_view name);

// The whole file as the console writes it in text mode on Windows: one mapping
// line per record ending in CR LF; records without a name leave no line. The
// caller writes it in one safe step, so a failed write leaves the old file whole.
std::string MappingFileBytes(const std::vector<CUserInfo>& mappings);
