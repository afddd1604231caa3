#include "status/LockLine.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace {

constexpr size_t kLineFields = 5;

std::optional<int32_t> Decimal(std::string_view text) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::string FormatLockLine(const LockRecord& record, bool* cut) {
  std::string line;
  FormatLockLine(record, line, cut);
  return line;
}

void FormatLockLine(const LockRecord& record, std::string& line, bool* cut) {
  // Built on the stack and copied once. A first text past the longest line is
  // cut here, as the line would be.
  const std::string_view first = record.firstText.substr(0, kMaxLockLine);
  const std::string_view second = record.secondText.substr(0, kMaxLockSecondText);
  char text[kMaxLockLine + 1 + kMaxLockSecondText + 3 * 12];
  char* end = std::copy(first.begin(), first.end(), text);
  *end++ = ':';
  end = std::copy(second.begin(), second.end(), end);
  for (const int32_t number : {record.number, static_cast<int32_t>(record.firstLong),
                               static_cast<int32_t>(record.secondLong)}) {
    *end++ = ':';
    end = std::to_chars(end, end + 11, number).ptr;
  }
  const size_t length = static_cast<size_t>(end - text);
  if (cut) *cut = second.size() < record.secondText.size() || length > kMaxLockLine;
  line.assign(text, std::min(length, kMaxLockLine));
}

std::optional<std::string> UnlockRequestFor(std::string_view line) {
  if (line.size() > kMaxLockLine) return std::nullopt;
  std::array<std::string_view, kLineFields> fields;
  std::string_view rest = line;
  for (size_t i = 0; i + 1 < kLineFields; ++i) {
    const size_t colon = rest.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    fields[i] = rest.substr(0, colon);
    rest.remove_prefix(colon + 1);
  }
  fields[kLineFields - 1] = rest;
  if (fields[1].size() > kMaxLockSecondText) return std::nullopt;

  const auto number = Decimal(fields[2]);
  const auto firstLong = Decimal(fields[3]);
  const auto secondLong = Decimal(fields[4]);
  if (!number || !firstLong || !secondLong) return std::nullopt;

  std::string opaque(line.substr(0, kUnlockOpaqueSize));
  opaque.resize(kUnlockOpaqueSize, '\0');
  for (size_t colon : {fields[0].size(), fields[0].size() + 1 + fields[1].size()})
    if (colon < kUnlockOpaqueSize) opaque[colon] = '\0';

  return EncodeLockRecord({fields[0], fields[1], opaque, *number, *firstLong, *secondLong});
}
