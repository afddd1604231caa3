#include "tools/nfsctl/UnifiedDiff.h"

#include <algorithm>
#include <vector>

#include "portable/TextLine.h"

namespace {
constexpr size_t kContext = 3;

// "start,count" of a hunk side; an empty side names the line before it.
std::string Range(size_t start, size_t count) {
  return std::to_string(count == 0 ? start : start + 1) + "," + std::to_string(count);
}
}  // namespace

std::string UnifiedDiff(std::string_view path, std::string_view oldText, std::string_view newText) {
  const std::vector<std::string_view> before = LinesOf(oldText), after = LinesOf(newText);
  size_t head = 0;
  while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
  if (head == before.size() && head == after.size()) return {};
  size_t tail = 0;
  while (tail < before.size() - head && tail < after.size() - head &&
         before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
    ++tail;

  const size_t from = head - std::min(head, kContext);
  const size_t contextAfter = std::min(tail, kContext);
  const size_t oldEnd = before.size() - tail + contextAfter, newEnd = after.size() - tail + contextAfter;
  std::string diff = "--- " + std::string(path) + "\n+++ " + std::string(path) + "\n";
  diff += "@@ -" + Range(from, oldEnd - from) + " +" + Range(from, newEnd - from) + " @@\n";
  const auto line = [&diff](char mark, std::string_view text) { diff.append(1, mark).append(text).append(1, '\n'); };
  for (size_t i = from; i < head; ++i) line(' ', before[i]);
  for (size_t i = head; i < before.size() - tail; ++i) line('-', before[i]);
  for (size_t i = head; i < after.size() - tail; ++i) line('+', after[i]);
  for (size_t i = before.size() - tail; i < oldEnd; ++i) line(' ', before[i]);
  return diff;
}
