#include <gtest/gtest.h>

#include <cctype>
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

// The block letter table as the banner page's description gives it: for each
// row, the inked columns.
TEST(BannerPage, EveryGlyphAsTheTableDrawsIt) {
  const struct {
    char character;
    const char* rows[kGlyphRows];
  } table[] = {
      {'0', {"23", "14", "05", "05", "14", "23"}},      {'1', {"2", "12", "2", "2", "2", "123"}},
      {'2', {"123", "04", "3", "2", "1", "01234"}},     {'3', {"0123", "4", "23", "4", "04", "123"}},
      {'4', {"3", "2", "13", "03", "12345", "3"}},      {'5', {"01234", "0", "0123", "4", "04", "123"}},
      {'6', {"123", "04", "0", "0123", "04", "123"}},   {'7', {"01234", "3", "2", "1", "1", "1"}},
      {'8', {"123", "04", "123", "04", "04", "123"}},   {'9', {"123", "04", "1234", "4", "04", "123"}},
      {'A', {"2", "2", "13", "13", "01234", "04"}},     {'B', {"0123", "04", "0123", "04", "04", "0123"}},
      {'C', {"123", "04", "0", "0", "04", "0123"}},     {'D', {"0123", "04", "04", "04", "04", "0123"}},
      {'E', {"01234", "0", "0123", "0", "0", "01234"}}, {'F', {"01234", "0", "0123", "0", "0", "0"}},
      {'G', {"1234", "0", "0", "0345", "04", "1234"}},  {'H', {"04", "04", "01234", "04", "04", "04"}},
      {'I', {"123", "2", "2", "2", "2", "123"}},        {'J', {"1234", "3", "3", "3", "03", "12"}},
      {'K', {"03", "02", "01", "02", "03", "04"}},      {'L', {"0", "0", "0", "0", "0", "01234"}},
      {'M', {"05", "0145", "0235", "05", "05", "05"}},  {'N', {"05", "015", "025", "035", "045", "05"}},
      {'O', {"1234", "05", "05", "05", "05", "1234"}},  {'P', {"01234", "05", "05", "01234", "0", "0"}},
      {'Q', {"123", "04", "04", "024", "034", "1235"}}, {'R', {"0123", "04", "0123", "02", "03", "04"}},
      {'S', {"1234", "0", "1234", "5", "05", "1234"}},  {'T', {"01234", "2", "2", "2", "2", "2"}},
      {'U', {"04", "04", "04", "04", "04", "123"}},     {'V', {"04", "04", "04", "13", "13", "2"}},
      {'W', {"04", "04", "024", "024", "13", "13"}},    {'X', {"05", "14", "23", "23", "14", "05"}},
      {'Y', {"15", "24", "3", "2", "1", "0"}},          {'Z', {"012345", "4", "3", "2", "1", "012345"}},
  };
  for (const auto& glyph : table) {
    for (const char c : {glyph.character, static_cast<char>(std::tolower(glyph.character))}) {
      SCOPED_TRACE(c);
      const std::optional<BlockGlyph> drawn = GlyphOf(c);
      ASSERT_TRUE(drawn);
      EXPECT_EQ(drawn->ink, glyph.character);
      for (int row = 0; row < kGlyphRows; ++row) {
        std::string columns;
        for (int column = 0; column < kGlyphColumns; ++column)
          if (drawn->Inked(row, column)) columns += static_cast<char>('0' + column);
        EXPECT_EQ(columns, glyph.rows[row]) << "row " << row + 1;
      }
    }
  }
  for (const char other : {'-', ' ', '\0', '\xc1', '@', '['}) EXPECT_FALSE(GlyphOf(other)) << int(other);
}

TEST(BannerPage, WidthDecidesLineLengthAndLettersPerRow) {
  // 12 characters, 10 per row, one per cell ('-' a blank one): a second block
  // row 8 lines below the first.
  auto lines = Layout(81, "ab-defghi1kl");
  EXPECT_EQ(Block(lines, 6)[5], "A   A   BBBB            DDDD    EEEEE   F        GGGG   H   H    III     111");
  EXPECT_EQ(lines[6].text.size(), 80u);
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
  t.tm_year = 126, t.tm_mon = 11, t.tm_mday = 5, t.tm_wday = 6, t.tm_hour = 9, t.tm_min = 3, t.tm_sec = 7;
  EXPECT_EQ(FormatBannerDate(t), "Sat Dec 05 09:03:07 2026 ");
}

}  // namespace
