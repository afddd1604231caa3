#include "printing/BannerPage.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "portable/MbcsText.h"
#include "printing/BlockLetters.h"

namespace {

constexpr int kBlockWidth = 128;     // the widest printed line
constexpr int kCellWidth = 8;        // columns per block letter
constexpr int kMaxLettersPerRow = 16;
constexpr int kXRows = 4;
constexpr int kFirstBlockLine = 6;
constexpr int kBlockRowAdvance = kGlyphRows + 2;
constexpr int kGapAfterBlocks = 3;
constexpr int kGapAfterText = 2;

using BlockRow = std::array<std::string, kGlyphRows>;

// Draws the characters of name from pos on into row, one per cell, and moves pos
// past them. A double-byte character takes one cell and is left blank.
void DrawBlockRow(std::string_view name, size_t& pos, int letters, BlockRow& row) {
  for (int cell = 0; cell < letters && pos < name.size(); ++cell) {
    const char c = name[pos++];
    if (LeadBytes()[static_cast<unsigned char>(c)]) {
      pos = std::min(pos + 1, name.size());
      continue;
    }
    const auto glyph = GlyphOf(c);
    if (!glyph) continue;
    for (int r = 0; r < kGlyphRows; ++r)
      for (int col = 0; col < kGlyphColumns; ++col)
        if (glyph->Inked(r, col)) row[r][cell * kCellWidth + col] = glyph->ink;
  }
}

}  // namespace

std::vector<BannerLine> LayoutBannerPage(int charsPerLine, const BannerContent& content) {
  const size_t length = static_cast<size_t>(std::clamp(charsPerLine - 1, 0, kBlockWidth));
  const int letters = std::clamp((charsPerLine - 1) / kCellWidth, 0, kMaxLettersPerRow);

  std::vector<BannerLine> lines;
  for (int i = 0; i < kXRows; ++i) lines.push_back({i, std::string(length, 'X')});

  int counter = kFirstBlockLine;
  size_t pos = 0;
  do {
    BlockRow row;
    row.fill(std::string(kBlockWidth, ' '));
    DrawBlockRow(content.userName, pos, letters, row);
    for (int r = 0; r < kGlyphRows; ++r) lines.push_back({counter + r, row[r].substr(0, length)});
    counter += kBlockRowAdvance;
  } while (letters > 0 && pos < content.userName.size());

  counter += kGapAfterBlocks;
  lines.push_back({counter, "Requested id: " + std::string(content.requestId) + "    Printer: PCNFSD"});
  counter += kGapAfterText;
  lines.push_back({counter, std::string(content.dateText)});
  counter += kGapAfterText;
  lines.push_back({counter, "File Name: " + std::string(content.dataFileName) + " "});
  return lines;
}

std::string FormatBannerDate(const std::tm& time) {
  static constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  char text[64];
  std::snprintf(text, sizeof text, "%s %s %02d %02d:%02d:%02d %04d ",
                kDays[static_cast<unsigned>(time.tm_wday) % 7],
                kMonths[static_cast<unsigned>(time.tm_mon) % 12], time.tm_mday, time.tm_hour,
                time.tm_min, time.tm_sec, time.tm_year + 1900);
  return text;
}
