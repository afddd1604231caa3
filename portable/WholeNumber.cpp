#include "portable/WholeNumber.h"

#include <charconv>
#include <climits>

namespace {
std::string_view WithoutBlanksAround(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}
}  // namespace

std::optional<int> ParseWholeNumber(std::string_view text) {
  text = WithoutBlanksAround(text);
  // from_chars takes a minus sign but not a plus sign.
  if (text.starts_with('+') && !text.starts_with("+-")) text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::string WholeNumberProblem(std::string_view text) {
  if (ParseWholeNumber(text)) return {};
  const std::string quoted = "\"" + std::string(text) + "\"";
  std::string_view digits = WithoutBlanksAround(text);
  if (digits.starts_with('+') || digits.starts_with('-')) digits.remove_prefix(1);
  if (!digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos)
    return quoted + " is out of range (" + std::to_string(INT_MIN) + " to " + std::to_string(INT_MAX) + ")";
  return quoted + " is not a decimal whole number";
}
