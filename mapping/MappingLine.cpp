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
