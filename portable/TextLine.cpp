#include "portable/TextLine.h"

#include <algorithm>
#include <cstring>

bool LinePieces::Next(size_t maxBytes, std::string_view& piece) {
  if (rest_.empty()) return false;
  const size_t limit = std::min(maxBytes, rest_.size());
  const void* feed = std::memchr(rest_.data(), '\n', limit);
  size_t length = feed ? static_cast<const char*>(feed) - rest_.data() + 1 : limit;
  if (rest_[length - 1] == '\r' && length < rest_.size() && rest_[length] == '\n') ++length;
  piece = rest_.substr(0, length);
  rest_.remove_prefix(length);
  return true;
}

size_t RecordsToReserve(std::string_view text) {
  constexpr size_t kMostReserved = 65536;
  size_t lines = 1;
  for (const char *at = text.data(), *end = at + text.size();
       lines < kMostReserved && at != end && (at = static_cast<const char*>(std::memchr(at, '\n', end - at)));
       ++at)
    ++lines;
  return lines;
}

bool EndsLine(std::string_view piece) {
  return !piece.empty() && (piece.back() == '\n' || piece.back() == '\r');
}

std::string_view WithoutLineEnd(std::string_view piece) {
  if (piece.ends_with("\r\n")) return piece.substr(0, piece.size() - 2);
  if (EndsLine(piece)) return piece.substr(0, piece.size() - 1);
  return piece;
}

std::string AppendedLineBytes(std::string_view text, std::string_view line) {
  const bool endsLine = text.empty() || text.back() == '\n';
  return (endsLine ? "" : "\r\n") + std::string(line) + "\r\n";
}

std::vector<std::string_view> LinesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return lines;
}
