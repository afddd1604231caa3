#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "portable/TextLine.h"
#include "tests/core/CoreTestSupport.h"

namespace {

using namespace std::literals;

// The pieces of a file read 4 bytes at most at a time.
std::vector<std::string> Pieces(const std::string& bytes) {
  LinePieces lines(bytes);
  std::vector<std::string> pieces;
  for (std::string_view piece; lines.Next(4, piece);) pieces.emplace_back(piece);
  return pieces;
}

TEST(TextLine, PiecesEndAfterALineEndOrAtTheirLength) {
  const struct {
    std::string bytes;
    std::vector<std::string> pieces;
  } cases[] = {
      {"", {}},
      {"ab\ncd", {"ab\n", "cd"}},
      {"abcdef\n", {"abcd", "ef\n"}},
      {"abcd\n", {"abcd", "\n"}},
      {"\n\n", {"\n", "\n"}},
      // Zero bytes are bytes of the piece, wherever they stand.
      {"a\0b\n\0\0"s, {"a\0b\n"s, "\0\0"s}},
      {"\0\n"s, {"\0\n"s}},
      // A carriage return that ends a piece takes its line feed along.
      {"abc\r\nd", {"abc\r\n", "d"}},
      {"abcd\r\nx", {"abcd", "\r\n", "x"}},
      {"ab\r\nx", {"ab\r\n", "x"}},
      {"abc\rx", {"abc\r", "x"}},
      {"ab\r", {"ab\r"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(Pieces(c.bytes), c.pieces);
  }
}

TEST(TextLine, LineEnds) {
  for (const char* ended : {"a\n", "a\r", "\r\n"}) EXPECT_TRUE(EndsLine(ended)) << ended;
  for (const char* open : {"", "a", "\na"}) EXPECT_FALSE(EndsLine(open)) << open;
  EXPECT_EQ(WithoutLineEnd("a\r\n"), "a");
  EXPECT_EQ(WithoutLineEnd("a\n"), "a");
  EXPECT_EQ(WithoutLineEnd("a\r"), "a");
  EXPECT_EQ(WithoutLineEnd("a\n\r"), "a\n");
  EXPECT_EQ(WithoutLineEnd("a"), "a");
}

}  // namespace
