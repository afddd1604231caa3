#include "mapping/UserInfo.h"

#include "portable/TextLine.h"
#include "mapping/MappingLine.h"

bool CUserInfo::ReadLine(LinePieces& lines) {
  std::string_view line;
  if (!lines.Next(kMaxMappingLine, line)) return false;
  // An empty line ends the file for the reader.
  if (line[0] == '\r' || line[0] == '\n') return false;
  *this = ParseMappingLine(WithoutLineEnd(line));
  return true;
}
