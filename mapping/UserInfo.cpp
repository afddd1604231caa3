#include "mapping/UserInfo.h"

#include "portable/TextLine.h"
#include "mapping/MappingLine.h"

bool CUserInfo::ReadLine(LinePieces& lines) {
  std::string_view line;
  if (!lines.Next(kMaxMappingLine, line)) return false;
  if (EndsMappingReading(line)) return false;
  *this = ParseMappingLine(WithoutLineEnd(line));
  return true;
}
