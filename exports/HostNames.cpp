#include "exports/HostNames.h"

#include <algorithm>

namespace {
// ASCII only: bytes of 128 and above are never part of a name.
bool IsNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsNameChar(char c) { return IsNameStart(c) || (c >= '0' && c <= '9'); }
}  // namespace

std::optional<std::string> HostNameOfLine(std::string_view line) {
  if (line.size() < 3 || line[0] == '#') return std::nullopt;
  size_t start = 0;
  while (start < line.size() && !IsNameStart(line[start])) {
    if (line[start] == '\r' || line[start] == '\n') return std::nullopt;
    ++start;
  }
  if (start == line.size()) return std::nullopt;
  size_t end = start;
  while (end < line.size() && IsNameChar(line[end])) ++end;
  return std::string(line.substr(start, std::min(end - start, kMaxHostName)));
}

std::vector<std::string> ReadHostNamesFrom(std::FILE* file) {
  std::vector<std::string> names;
  char piece[kHostsLinePiece + 1];
  while (std::fgets(piece, sizeof piece, file)) {
    if (auto name = HostNameOfLine(piece)) names.push_back(std::move(*name));
  }
  return names;
}
