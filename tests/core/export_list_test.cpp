#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "exports/DirectoryPath.h"
#include "exports/ExportOrder.h"
#include "exports/ExportRowText.h"
#include "tests/core/CoreTestSupport.h"

namespace {

// A row as it should read: drive and path padded to column 36, then the clients.
std::string Row(const std::string& drivePath, const std::string& clients) {
  std::string row = "   " + drivePath;
  row.resize(36, ' ');
  return row + clients;
}

TEST(ExportListLine, ColumnsUnderTheHeaderAndTheExtent) {
  EXPECT_EQ(std::string(kExportListHeader).find("Authorized"), 36u);
  const std::string path31 = "\\" + std::string(30, 'a'), path40 = "\\0123456789abcdefghijklmnopqrstuvwxyzABC";
  ExportEntry both = Entry('c', "\\x", "alpha");
  both.flags = ExportEntry::kAllClients;  // all clients wins over a clients text
  const std::pair<ExportEntry, std::string> cases[] = {
      {Entry('D', "\\pub"), Row("d:\\pub", "<exported to all clients>")},
      {both, Row("c:\\x", "<exported to all clients>")},
      {Entry('c', path31, "h1, h2"), "   c:" + path31 + "h1, h2"},  // 31: whole, clients right after
      {Entry('c', path40, "h"), "   c:..." + path40.substr(12) + "h"},  // longer: "..." and the last 28
      {Entry('c', "\\p", std::string(987, 'x')), Row("c:\\p", std::string(987, 'x'))},
      {Entry('c', "\\p", std::string(2000, 'x')), Row("c:\\p", std::string(kMaxExportRow - 39, 'x') + "...")},
  };
  for (const auto& [entry, row] : cases) EXPECT_EQ(FormatExportRow(entry), row);
  // The horizontal extent follows the longest clients text.
  EXPECT_EQ(WidenExtent(0, Entry('c', "\\a", "")), 40);
  EXPECT_EQ(WidenExtent(0, Entry('c', "\\a", "abc")), 43);
  EXPECT_EQ(WidenExtent(43, Entry('c', "\\a", "ab")), 43);
}

// What start-up does with the file's entries: the list's order, entries that
// compare equal (differing only in mode or R/W list) in their file order.
TEST(ExportOrder, DriveThenPathThenClientsEqualOnesInFileOrder) {
  std::vector<ExportEntry> list = {
      Entry('c', "\\apps"), Entry('c', "\\Data"), Entry('D', "\\z"),
      Entry('c', "\\apps", "beta"), Entry('c', "\\apps", "alpha"), Entry('d', "\\a"),
      Entry('c', "\\apps"),
  };
  for (size_t i = 0; i < list.size(); ++i) list[i].mode = static_cast<int32_t>(i);
  SortExportEntries(list);
  std::vector<std::string> order;
  for (const ExportEntry& e : list) order.push_back(FormatExportRow(e) + " #" + std::to_string(e.mode));
  const std::string all = "<exported to all clients>";
  const std::vector<std::string> expected = {
      Row("d:\\z", all) + " #2",        Row("c:\\Data", all) + " #1",    Row("c:\\apps", all) + " #0",
      Row("c:\\apps", all) + " #6",     Row("c:\\apps", "alpha") + " #4", Row("c:\\apps", "beta") + " #3",
      Row("d:\\a", all) + " #5",
  };
  EXPECT_EQ(order, expected);
}

// Double-byte characters under code page 932, where a Wine run of the console
// does not reach: backslash tests and the browser going up past a trail byte.
TEST(MbcsText, ADoubleByteCharacterIsOneCharacter) {
  EXPECT_LT(CompareMbcs("\x81\x40", "\xb1"), 0);  // byte by byte, without lead bytes
  const ShiftJisScope shiftJis;
  EXPECT_GT(CompareMbcs("\x81\x40", "\xb1"), 0);
  const std::pair<const char*, size_t> cases[] = {{"\x95\x5c", std::string_view::npos}, {"\\\x95\x5c", 0},
                                                  {"a\\b\\", 3}, {"\x95\x5c\\", 2}, {"\xb1\\", 1}};
  for (const auto& [text, last] : cases) {
    EXPECT_EQ(LastBackslash(text), last) << text;
    EXPECT_EQ(EndsWithBackslash(text), last != std::string_view::npos && last + 1 == strlen(text)) << text;
  }
  EXPECT_EQ(MoveForDoubleClick("c:\\\x95\x5c\\sub\\", "..").directory, "c:\\\x95\x5c\\");
  EXPECT_EQ(MoveForDoubleClick("c:\\a\\\x95\x5c\\", "..").directory, "c:\\a\\");
}

}  // namespace
