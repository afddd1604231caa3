#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "portable/TextLine.h"

namespace {

using namespace std::literals;

// The pieces of a file read 4 bytes at most at a time.
std::vector<std::string> Pieces(const std::string& bytes) {
  LinePieces lines(bytes);
  std::vector<std::string> pieces;
  for (std::string_view piece; lines.Next(4, piece);) pieces.emplace_back(piece);
  return pieces;
}

TEST(TextLine, PiecesEndAfterALineEndOrAtTheirLengthAndLoseTheirLineEnd) {
  const struct {
    std::string bytes;
    std::vector<std::string> pieces;
  } cases[] = {
      {"", {}},
      {"ab\ncd", {"ab\n", "cd"}},
      {"abcdef\n", {"abcd", "ef\n"}},
      {"abcd\n", {"abcd", "\n"}},
      // Zero bytes are bytes of the piece, wherever they stand.
      {"a\0b\n\0\0"s, {"a\0b\n"s, "\0\0"s}},
      // A carriage return that ends a piece takes its line feed along.
      {"abc\r\nd", {"abc\r\n", "d"}},
      {"abcd\r\nx", {"abcd", "\r\n", "x"}},
      {"abc\rx", {"abc\r", "x"}},
      {"ab\r", {"ab\r"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(Pieces(c.bytes), c.pieces);
  }

  const std::pair<const char*, const char*> ends[] = {
      {"a\r\n", "a"}, {"a\n", "a"}, {"a\r", "a"}, {"a\n\r", "a\n"}, {"a", nullptr}, {"", nullptr}, {"\na", nullptr}};
  for (const auto& [piece, line] : ends) {
    EXPECT_EQ(EndsLine(piece), line != nullptr) << piece;
    EXPECT_EQ(WithoutLineEnd(piece), line ? line : piece);
  }
  EXPECT_EQ(RecordsToReserve("a\nb\r\n\n"), 4u);
  EXPECT_EQ(RecordsToReserve(std::string(100000, '\n')), 65536u);
  EXPECT_EQ(AppendedLineBytes("", "c:\\a;0"), "c:\\a;0\r\n");
  EXPECT_EQ(AppendedLineBytes("c:\\x;0 ", "c:\\a;0"), "\r\nc:\\a;0\r\n");
}

}  // namespace
