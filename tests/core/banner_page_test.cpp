#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "printing/BannerPage.h"
#include "printing/BlockLetters.h"

// Found by argument-dependent lookup, so outside the anonymous namespace.
void PrintTo(const BannerLine& l, std::ostream* os) { *os << l.line << ": \"" << l.text << '"'; }

namespace {

std::vector<BannerLine> Layout(int w, const std::string& user) {
  return LayoutBannerPage(w, {user, "req-17", "DATE", "dfA001"});
}

// The lines with the given numbers, stripped of trailing blanks.
std::vector<std::string> Block(const std::vector<BannerLine>& lines, int first) {
  std::vector<std::string> rows;
  for (const BannerLine& l : lines) {
    if (l.line < first || l.line >= first + kGlyphRows) continue;
    rows.push_back(l.text.substr(0, l.text.find_last_not_of(' ') + 1));
  }
  return rows;
}

TEST(BannerPage, EmptyUserNameStillGivesOneBlockRow) {
  const std::string x(79, 'X'), blank(79, ' ');
  const std::vector<BannerLine> expected = {
      {0, x}, {1, x}, {2, x}, {3, x},
      {6, blank}, {7, blank}, {8, blank}, {9, blank}, {10, blank}, {11, blank},
      {17, "Requested id: req-17    Printer: PCNFSD"},
      {19, "DATE"},
      {21, "File Name: dfA001 "},
  };
  EXPECT_EQ(Layout(80, ""), expected);
}

TEST(BannerPage, BlockLettersOneCharacterPerCell) {
  // W = 81 gives 10 letters per row: a, b, a blank cell for '-', then 1.
  const auto lines = Layout(81, "ab-1");
  const std::vector<std::string> expected = {
      "  A     BBBB              1",
      "  A     B   B            11",
      " A A    BBBB              1",
      " A A    B   B             1",
      "AAAAA   B   B             1",
      "A   A   BBBB             111",
  };
  EXPECT_EQ(Block(lines, 6), expected);
  EXPECT_EQ(lines[6].text.size(), 80u);
  EXPECT_EQ(lines.back().line, 21);
}

TEST(BannerPage, GlyphPictures) {
  // Three glyphs drawn side by side; each cell is 8 columns wide.
  const std::vector<std::string> expected = {
      "  00       4     QQQ",
      " 0  0     4     Q   Q",
      "0    0   4 4    Q   Q",
      "0    0  4  4    Q Q Q",
      " 0  0    44444  Q  QQ",
      "  00       4     QQQ Q",
  };
  EXPECT_EQ(Block(Layout(200, "04q"), 6), expected);
  EXPECT_FALSE(GlyphOf('-'));
  EXPECT_FALSE(GlyphOf('\xc1'));
  EXPECT_EQ(GlyphOf('z')->ink, 'Z');
}

TEST(BannerPage, WidthDecidesLineLengthAndLettersPerRow) {
  // 12 letters, 10 per row: a second block row 8 lines below the first.
  auto lines = Layout(81, "abcdefghijkl");
  EXPECT_EQ(Block(lines, 14), (std::vector<std::string>{"K  K    L", "K K     L", "KK      L",
                                                        "K K     L", "K  K    L", "K   K   LLLLL"}));
  EXPECT_EQ(lines[lines.size() - 3].line, 25);

  // Wide pages: lines stop at 128 characters and rows at 16 letters.
  lines = Layout(1000, std::string(17, 'i'));
  EXPECT_EQ(lines[0].text.size(), 128u);
  EXPECT_EQ(lines[lines.size() - 3].line, 25);

  // Below 9 characters no letter fits: one blank block, the name is not drawn.
  lines = Layout(8, "abc");
  EXPECT_EQ(lines[0].text, "XXXXXXX");
  EXPECT_EQ(Block(lines, 6), std::vector<std::string>(6, ""));
  EXPECT_EQ(lines.back().line, 21);
  EXPECT_EQ(Layout(0, "abc")[0].text, "");
}

TEST(BannerPage, DateText) {
  std::tm t{};
  t.tm_year = 2026 - 1900;
  t.tm_mon = 11;
  t.tm_mday = 5;
  t.tm_wday = 6;
  t.tm_hour = 9;
  t.tm_min = 3;
  t.tm_sec = 7;
  EXPECT_EQ(FormatBannerDate(t), "Sat Dec 05 09:03:07 2026 ");
}

}  // namespace
