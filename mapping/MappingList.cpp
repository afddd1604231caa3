#include "mapping/MappingList.h"

#include <algorithm>

#include "mapping/MappingLine.h"
#include "portable/WholeNumber.h"

std::string MappingIdText(int32_t id) { return std::to_string(id); }

MappingIdKey MappingIdKeyOf(std::string_view idText) {
  if (const std::optional<int> value = ParseWholeNumber(idText)) return {value, {}};
  return {std::nullopt, std::string(idText)};
}

MappingConflict FindMappingConflict(const std::vector<CUserInfo>& mappings, std::string_view name,
                                    std::string_view idText) {
  auto has = [&](auto field) {
    return std::any_of(mappings.begin(), mappings.end(), field);
  };
  const MappingIdKey id = MappingIdKeyOf(idText);
  if (has([&](const CUserInfo& r) { return MappingIdKeyOf(r.m_strId) == id; })) return MappingConflict::kIdTaken;
  if (has([&](const CUserInfo& r) { return r.m_strName == name; })) return MappingConflict::kNameTaken;
  return MappingConflict::kNone;
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
