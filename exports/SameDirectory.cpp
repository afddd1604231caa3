#include "exports/SameDirectory.h"

#include <string_view>

#include "portable/AsciiCase.h"
#include "portable/MbcsText.h"

namespace {

// ASCII letters compared without case; the trail byte of a double-byte character
// is compared as it is, since it may fall in the letter range.
bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LeadBytes()[static_cast<unsigned char>(a[i])]) {
      if (a[i] != b[i] || (i + 1 < a.size() && a[i + 1] != b[i + 1])) return false;
      ++i;
    } else if (AsciiLower(a[i]) != AsciiLower(b[i])) {
      return false;
    }
  }
  return true;
}

// \data\ and \data are one directory; \ stays the root.
std::string_view WithoutTrailingBackslash(std::string_view path) {
  if (path.size() > 1 && path.back() == '\\') path.remove_suffix(1);
  return path;
}
}  // namespace

bool SameDirectory(const ExportEntry& a, const ExportEntry& b) {
  return AsciiLower(static_cast<char>(a.drive)) == AsciiLower(static_cast<char>(b.drive)) &&
         EqualIgnoringCase(WithoutTrailingBackslash(a.path), WithoutTrailingBackslash(b.path));
}

const ExportEntry* FindSameDirectory(const std::vector<ExportEntry>& entries, const ExportEntry& entry) {
  for (const ExportEntry& existing : entries)
    if (SameDirectory(existing, entry)) return &existing;
  return nullptr;
}
