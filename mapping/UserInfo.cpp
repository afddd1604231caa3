#include "mapping/UserInfo.h"

#include "mapping/MappingLine.h"

namespace {

// Reads up to kMaxMappingLine bytes, stopping after a line feed. A carriage
// return that is followed by a line feed takes the feed with it, so that a CR LF
// pair counts as one line end also where the stream does not convert it.
bool ReadRawLine(std::FILE* file, std::string& line) {
  int c = EOF;
  while (line.size() < kMaxMappingLine && (c = std::getc(file)) != EOF) {
    line += static_cast<char>(c);
    if (c == '\n') return true;
  }
  if (!line.empty() && line.back() == '\r') {
    const int next = std::getc(file);
    if (next == '\n')
      line += '\n';
    else if (next != EOF)
      std::ungetc(next, file);
  }
  return !line.empty() && !std::ferror(file);
}

}  // namespace

bool CUserInfo::ReadLine(std::FILE* file) {
  std::string line;
  if (!ReadRawLine(file, line)) return false;
  if (line[0] == '\r' || line[0] == '\n') return false;
  if (line.ends_with("\r\n"))
    line.resize(line.size() - 2);
  else if (line.back() == '\r' || line.back() == '\n')
    line.pop_back();
  *this = ParseMappingLine(line);
  return true;
}

bool CUserInfo::WriteLine(std::FILE* file) const {
  const std::string line = FormatMappingLine(*this);
  std::fwrite(line.data(), 1, line.size(), file);
  return true;
}
