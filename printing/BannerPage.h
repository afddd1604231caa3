#pragma once
// The text of a banner page: which text goes on which line, for a printer whose
// page is W characters wide. Line n is drawn at y = n times the line height.
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

struct BannerLine {
  int line;
  std::string text;

  bool operator==(const BannerLine&) const = default;
};

struct BannerContent {
  std::string_view userName;      // drawn in block letters
  std::string_view requestId;
  std::string_view dateText;      // FormatBannerDate
  std::string_view dataFileName;
};

// Four rows of X, the user name in rows of block letters, then the request id,
// the date and the data file name.
std::vector<BannerLine> LayoutBannerPage(int charsPerLine, const BannerContent& content);

// "Sun Dec 05 15:09:29 2026 ": 24 characters and a blank.
std::string FormatBannerDate(const std::tm& time);
