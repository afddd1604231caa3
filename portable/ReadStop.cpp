#include "portable/ReadStop.h"

#include <algorithm>

namespace {
// Line ends and marks are not text a reader could have shown.
bool HoldsText(std::string_view line) { return line.find_first_not_of("\r\n\x1a") != std::string_view::npos; }
}  // namespace

ReadStop ReadStopAt(std::string_view bytes, size_t offset, ReadStop::Cause cause) {
  const std::string_view before = bytes.substr(0, offset);
  ReadStop stop{cause, offset, static_cast<size_t>(std::count(before.begin(), before.end(), '\n')) + 1, 0};
  for (std::string_view rest = bytes.substr(offset); !rest.empty();) {
    const size_t end = std::min(rest.find('\n'), rest.size() - 1);
    if (HoldsText(rest.substr(0, end + 1))) ++stop.linesNotShown;
    rest.remove_prefix(end + 1);
  }
  return stop;
}

std::optional<ReadStop> EndOfFileMarkStop(std::string_view bytes) {
  const size_t mark = bytes.find(kEndOfFileMark);
  if (mark == std::string_view::npos) return std::nullopt;
  return ReadStopAt(bytes, mark, ReadStop::Cause::kEndOfFileMark);
}
