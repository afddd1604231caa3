#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "exports/DirectoryPath.h"

namespace {

TEST(DirectoryPath, StartDisplayAndListingTextsDotAtARootOnly) {
  struct Case {
    char drive;
    const char* pathText;
    const char* directory;
    const char* display;
  };
  const Case cases[] = {
      {'c', "", "c:\\", "\\"},
      {'c', "\\", "c:\\", "\\"},
      {'d', "\\pub\\", "d:\\pub\\", "\\pub"},
      {'E', "\\Home", "E:\\Home\\", "\\Home"},  // an upper-case drive is kept
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pathText);
    const std::string directory = StartDirectory(c.drive, c.pathText);
    EXPECT_EQ(directory, c.directory);
    EXPECT_EQ(DirectoryDisplayText(directory), c.display);
  }

  const std::string longest = "c:\\" + std::string(kMaxCurrentDirectory - 4, 'd') + "\\";
  EXPECT_EQ(ListPattern(longest), longest + "*.*");
  EXPECT_EQ(ListPattern(longest + "x"), std::nullopt);

  const std::vector<FoundEntry> atRoot = {{"users", true}, {"boot.ini", false}, {"tmp", true}};
  EXPECT_EQ(DirectoryItems("c:\\*.*", atRoot), (std::vector<std::string>{"users", "tmp", "."}));
  EXPECT_EQ(DirectoryItems("c:\\*.*", {}), std::vector<std::string>{"."});

  const std::vector<FoundEntry> below = {{".", true}, {"..", true}, {"pub", true}, {"a.txt", false}};
  EXPECT_EQ(DirectoryItems("c:\\users\\*.*", below), (std::vector<std::string>{"..", "pub"}));
}

TEST(DirectoryPath, ClicksAndTheSystemsDriveDirectory) {
  const std::string d100 = "c:\\" + std::string(100, 'd') + "\\";  // 104 characters
  const std::tuple<std::string, std::string, std::optional<std::string>> clicks[] = {
      {"c:\\users\\", "pub", "\\users\\pub"}, {"c:\\users\\", "..", "\\users"}, {"c:\\", ".", "\\"},
      {d100, std::string(23, 'n'), d100.substr(2) + std::string(23, 'n')}, {d100, std::string(24, 'n'), std::nullopt}};
  for (const auto& [directory, name, shown] : clicks) EXPECT_EQ(ClickedPathText(directory, name), shown) << name;

  const std::string w59 = "D:\\" + std::string(59, 'w');
  const std::pair<std::string, std::optional<std::string>> drives[] = {
      {"D:\\", "D:\\"}, {"D:\\work", "D:\\work\\"}, {"", std::nullopt}, {w59, w59 + "\\"}, {w59 + "w", std::nullopt}};
  for (const auto& [answer, directory] : drives) EXPECT_EQ(DriveDirectory(answer), directory) << answer;

  struct Case {
    const char* directory;
    std::string name;
    DirectoryMove::Kind kind;
    const char* to;
  };
  const Case cases[] = {
      {"c:\\", ".", DirectoryMove::kStay, ""},
      {"c:\\users\\pub\\", "..", DirectoryMove::kEnter, "c:\\users\\"},
      {"c:\\a\\", "..", DirectoryMove::kEnter, "c:\\"},
      {"c:\\", "..", DirectoryMove::kStay, ""},
      {"c:\\users\\", "pub", DirectoryMove::kEnter, "c:\\users\\pub\\"},
      {"c:\\", std::string(62, 'n'), DirectoryMove::kEnter, nullptr},
      {"c:\\", std::string(63, 'n'), DirectoryMove::kRefuse, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.directory) + " " + c.name);
    const DirectoryMove move = MoveForDoubleClick(c.directory, c.name);
    EXPECT_EQ(move.kind, c.kind);
    EXPECT_EQ(move.directory, c.to ? c.to : "c:\\" + c.name + "\\");
  }

  // Entering stops where the listing pattern would no longer fit (115 + 9).
  const std::string deep = "c:\\" + std::string(60, 'a') + "\\" + std::string(50, 'b') + "\\";
  EXPECT_EQ(MoveForDoubleClick(deep, std::string(8, 'c')).kind, DirectoryMove::kEnter);
  EXPECT_EQ(MoveForDoubleClick(deep, std::string(9, 'c')).kind, DirectoryMove::kRefuse);
}

}  // namespace
