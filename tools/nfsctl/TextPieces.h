#pragma once
// A text file as the console's line readers see it: in pieces of at most a
// buffer's length, each piece read as a line of its own. The checker walks these
// pieces, numbered by the file's lines, to say what the readers do.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "portable/ReadStop.h"

struct TextPiece {
  std::string_view text;  // line end included when the piece ends a line
  size_t line;            // the 1-based line of the file the piece comes from
  bool EndsLine() const { return text.ends_with('\n'); }
};

// The pieces of bytes for a reader that takes at most maxBytes bytes at a time,
// as the console's readers take them. They view into bytes.
std::vector<TextPiece> NumberedPieces(std::string_view bytes, size_t maxBytes);

// How a finding of a reader's stop ends: what the console does not show.
std::string NotShownText(const ReadStop& stop);
