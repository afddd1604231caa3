#include "mapping/MappingList.h"


#include "mapping/MappingLine.h"
#include "portable/WholeNumber.h"

std::string MappingIdText(int32_t id) { return std::to_string(id); }

MappingIdKey MappingIdKeyOf(std::string_view idText) {
  if (const std::optional<int> value = ParseWholeNumber(idText)) return {value, {}};
  return {std::nullopt, std::string(idText)};
}

MappingConflict FindMappingConflict(const std::vector<CUserInfo>& mappings, std::string_view name,
                                    std::string_view idText) {
  MappingIndex index;
  for (const CUserInfo& record : mappings) index.Add(record);
  size_t holder = 0;
  return index.ConflictOf(name, idText, holder);
}

MappingConflict MappingIndex::ConflictOf(std::string_view name, std::string_view idText, size_t& holder) const {
  if (const auto id = ids_.find(MappingIdKeyOf(idText)); id != ids_.end()) {
    holder = id->second;
    return MappingConflict::kIdTaken;
  }
  if (const auto named = names_.find(name); named != names_.end()) {
    holder = named->second;
    return MappingConflict::kNameTaken;
  }
  return MappingConflict::kNone;
}

void MappingIndex::Add(const CUserInfo& record) {
  ids_.try_emplace(MappingIdKeyOf(record.m_strId), added_);
  names_.try_emplace(record.m_strName, added_);
  ++added_;
}

std::optional<size_t> FirstMappingNamed(const std::vector<CUserInfo>& mappings, std::string_view name) {
  for (size_t i = 0; i < mappings.size(); ++i)
    if (mappings[i].m_strName == name) return i;
  return std::nullopt;
}

std::string MappingFileBytes(const std::vector<CUserInfo>& mappings) {
  std::string bytes;
  for (const CUserInfo& record : mappings) {
    const std::string line = FormatMappingLine(record);
    if (line.empty()) continue;
    // The console writes CR LF where the line's own form ends in LF.
    bytes.append(line, 0, line.size() - 1) += "\r\n";
  }
  return bytes;
}
