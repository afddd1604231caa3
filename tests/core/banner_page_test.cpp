#include <gtest/gtest.h>

#include <array>
#include <ctime>
#include <set>
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

// Each digit and letter has a glyph of its own, inked in every row and within
// its 6 columns, drawn with its capital; a lower-case letter draws its capital
// (the first ones where the banner page draws them). The shapes themselves are
// checked there too.
TEST(BannerPage, EveryDigitAndLetterHasAGlyphOfItsOwn) {
  std::set<std::array<uint8_t, kGlyphRows>> shapes;
  for (const char c : std::string("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ")) {
    SCOPED_TRACE(c);
    const std::optional<BlockGlyph> drawn = GlyphOf(c);
    ASSERT_TRUE(drawn);
    EXPECT_EQ(drawn->ink, c);
    for (const uint8_t row : drawn->rows) EXPECT_TRUE(row != 0 && row < (1 << kGlyphColumns)) << int(row);
    EXPECT_TRUE(shapes.insert(drawn->rows).second) << "the same shape as another glyph";
  }
  EXPECT_EQ(GlyphOf('z').value().rows, GlyphOf('Z').value().rows);
  for (const char other : {'-', ' ', '\0', '\xc1', '@', '[', '`', '{'}) EXPECT_FALSE(GlyphOf(other)) << int(other);
}

TEST(BannerPage, WidthDecidesLineLengthAndLettersPerRow) {
  // 12 characters, 10 per row, one per cell ('-' a blank one): a second block
  // row 8 lines below the first.
  auto lines = Layout(81, "ab-defghi1kl");
  EXPECT_EQ(Block(lines, 6)[5], "A   A   BBBB            DDDD    EEEEE   F        GGGG   H   H    III     111");
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
}

TEST(BannerPage, DateText) {
  std::tm t{};
  t.tm_year = 126, t.tm_mon = 11, t.tm_mday = 5, t.tm_wday = 6, t.tm_hour = 9, t.tm_min = 3, t.tm_sec = 7;
  EXPECT_EQ(FormatBannerDate(t), "Sat Dec 05 09:03:07 2026 ");
}

}  // namespace
