#include "portable/MbcsText.h"

namespace {
LeadByteSet g_leadBytes;
bool g_singleByte = true;  // no lead bytes: characters compare as their bytes

// The next character of text at pos, and pos moved past it. A lead byte at the
// very end stands alone, as the C runtime treats it.
unsigned NextChar(std::string_view text, size_t& pos) {
  unsigned c = static_cast<unsigned char>(text[pos++]);
  if (g_leadBytes[c] && pos < text.size())
    c = c << 8 | static_cast<unsigned char>(text[pos++]);
  return c;
}
}  // namespace

void SetLeadBytes(const LeadByteSet& leadBytes) {
  g_leadBytes = leadBytes;
  g_singleByte = leadBytes.none();
}
const LeadByteSet& LeadBytes() { return g_leadBytes; }

size_t LastBackslash(std::string_view text) {
  size_t last = std::string_view::npos;
  for (size_t pos = 0; pos < text.size();) {
    const size_t start = pos;
    if (NextChar(text, pos) == '\\') last = start;
  }
  return last;
}

bool EndsWithBackslash(std::string_view text) {
  return !text.empty() && LastBackslash(text) == text.size() - 1;
}

int CompareMbcs(std::string_view a, std::string_view b) {
  // Without lead bytes every character is one byte, and char_traits compares
  // bytes as unsigned, as the loop below does.
  if (g_singleByte) {
    const int c = a.compare(b);
    return (c > 0) - (c < 0);
  }
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    unsigned ca = NextChar(a, i), cb = NextChar(b, j);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}
