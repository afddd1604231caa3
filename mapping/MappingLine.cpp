#include "mapping/MappingLine.h"

bool EndsMappingReading(std::string_view piece) { return piece[0] == '\r' || piece[0] == '\n'; }

CUserInfo ParseMappingLine(std::string_view line) {
  line = line.substr(0, line.find('\0'));
  CUserInfo record;
  record.m_strId = kNoMappingId;
  const size_t first = line.find(':');
  record.m_strName = line.substr(0, first);
  if (first == std::string_view::npos) return record;

  const size_t second = line.find(':', first + 1);
  if (second == std::string_view::npos || second + 1 == line.size()) return record;
  const size_t idStart = second + 1;
  record.m_strId = line.substr(idStart, line.find(':', idStart) - idStart);
  return record;
}

std::string FormatMappingLine(const CUserInfo& record) {
  if (record.m_strName.empty()) return {};
  return record.m_strName + "::" + record.m_strId + ":::: \n";
}

std::optional<std::string> MappingNameProblem(std::string_view name, std::string_view idText) {
  if (name.empty()) return "the name is empty";
  if (name.find_first_of(std::string_view(":\r\n\0\x1a", 5)) != std::string_view::npos)
    return "the name holds a ':', a line end, a NUL or a Ctrl+Z";
  if (FormatMappingLine({std::string(name), std::string(idText)}).size() > kMaxMappingLine)
    return "the line would be longer than " + std::to_string(kMaxMappingLine) + " bytes";
  return std::nullopt;
}
