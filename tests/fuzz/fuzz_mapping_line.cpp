// Any bytes as a mapping file, read record by record, and every record through
// its written line and back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "mapping/MappingLine.h"
#include "mapping/UserInfo.h"
#include "portable/TextLine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LinePieces lines(std::string_view(reinterpret_cast<const char*>(data), size));
  CUserInfo record;
  while (record.ReadLine(lines)) {
    if (record.m_strName.size() > kMaxMappingLine) std::abort();
    const std::string line = FormatMappingLine(record);
    if (record.m_strName.empty() != line.empty()) std::abort();
    if (line.empty()) continue;
    // The written line, without its line feed, reads back as the same record.
    const CUserInfo again = ParseMappingLine(std::string_view(line).substr(0, line.size() - 1));
    if (again.m_strName != record.m_strName || again.m_strId != record.m_strId) std::abort();
  }
  return 0;
}
