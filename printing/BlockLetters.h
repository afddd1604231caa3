#pragma once
// The block letters of the banner page: each digit and letter as 6 rows of 6 columns.
#include <array>
#include <cstdint>
#include <optional>

constexpr int kGlyphRows = 6;
constexpr int kGlyphColumns = 6;

struct BlockGlyph {
  char ink;                                     // the character drawn at each inked place
  std::array<uint8_t, kGlyphRows> rows;         // bit c set: column c is inked

  bool Inked(int row, int column) const { return (rows[row] >> column & 1) != 0; }
};

// The glyph of an ASCII digit or letter (a lower-case letter takes its capital's
// glyph and ink); none for any other character.
std::optional<BlockGlyph> GlyphOf(char c);
