#include "status/LockLine.h"

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
  const std::string_view second = record.secondText.substr(0, kMaxLockSecondText);
  std::string line;
  line.reserve(record.firstText.size() + second.size() + 3 * 12 + 4);
  line.append(record.firstText).append(1, ':').append(second);
  for (const int32_t number : {record.number, static_cast<int32_t>(record.firstLong),
                               static_cast<int32_t>(record.secondLong)}) {
    char digits[12];
    line.append(1, ':').append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
  }
  if (cut) *cut = second.size() < record.secondText.size() || line.size() > kMaxLockLine;
  if (line.size() > kMaxLockLine) line.resize(kMaxLockLine);
  return line;
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
