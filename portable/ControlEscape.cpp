#include "portable/ControlEscape.h"

#include <cstdio>

std::string EscapeControls(std::string_view text, LineBreaks breaks) {
  std::string escaped;
  escaped.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const bool lineBreak = c == '\n' || c == '\t' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n');
    if ((c >= 0x20 && c != 0x7F) || (breaks == LineBreaks::kKeep && lineBreak)) {
      escaped += static_cast<char>(c);
      continue;
    }
    char code[5];
    std::snprintf(code, sizeof code, "\\x%02X", c);
    escaped += code;
  }
  return escaped;
}
