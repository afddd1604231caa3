#include "tools/nfsctl/TextPieces.h"

#include <algorithm>

std::string TextModeBytes(std::string_view raw) {
  std::string text;
  text.reserve(raw.size());
  for (size_t i = 0; i < raw.size(); ++i)
    if (!(raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n')) text += raw[i];
  return text;
}

std::vector<TextPiece> TextModePieces(std::string_view textModeBytes, size_t maxBytes) {
  std::vector<TextPiece> pieces;
  size_t line = 1;
  while (!textModeBytes.empty()) {
    const size_t feed = textModeBytes.substr(0, maxBytes).find('\n');
    const size_t length = feed == std::string_view::npos ? std::min(maxBytes, textModeBytes.size()) : feed + 1;
    pieces.push_back({textModeBytes.substr(0, length), line});
    if (pieces.back().EndsLine()) ++line;
    textModeBytes.remove_prefix(length);
  }
  return pieces;
}
