#pragma once
// A text file as the console's line readers see it: in text mode (a CR LF pair is
// one line feed) and in pieces of at most a buffer's length, each piece read as a
// line of its own. The checker walks these pieces to say what the readers do.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct TextPiece {
  std::string_view text;  // line feed included when the piece ends a line
  size_t line;            // the 1-based line of the file the piece comes from
  bool EndsLine() const { return text.ends_with('\n'); }
};

// raw with every CR LF pair made one line feed, as a text-mode read gives it.
std::string TextModeBytes(std::string_view raw);

// The pieces of textModeBytes for a reader that takes at most maxBytes bytes at a
// time and stops after a line feed. They view into textModeBytes.
std::vector<TextPiece> TextModePieces(std::string_view textModeBytes, size_t maxBytes);
