#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "exports/ExportRowText.h"
#include "exports/ExportOrder.h"
#include "portable/MbcsText.h"

namespace {

ExportEntry Entry(char drive, std::string path, std::string clients = "") {
  ExportEntry e;
  e.drive = drive;
  e.path = std::move(path);
  e.clients = std::move(clients);
  if (e.clients.empty()) e.flags = ExportEntry::kAllClients;
  return e;
}

// A row as it should read: drive and path padded to column 36, then the clients.
std::string Row(const std::string& drivePath, const std::string& clients) {
  std::string row = "   " + drivePath;
  row.resize(36, ' ');
  return row + clients;
}

TEST(ExportListLine, ColumnsUnderTheHeader) {
  const std::string header = kExportListHeader;
  ASSERT_EQ(header.size(), 54u);
  EXPECT_EQ(header.find("Exported"), 1u);
  EXPECT_EQ(header.find("Authorized"), 36u);

  EXPECT_EQ(FormatExportRow(Entry('D', "\\pub")), Row("d:\\pub", "<exported to all clients>"));

  // All-clients wins over a clients text.
  ExportEntry both = Entry('c', "\\x", "alpha");
  both.flags = ExportEntry::kAllClients;
  EXPECT_EQ(FormatExportRow(both).substr(36), "<exported to all clients>");

  // 31 characters: whole, followed directly by the clients.
  const std::string path31 = "\\" + std::string(30, 'a');
  EXPECT_EQ(FormatExportRow(Entry('c', path31, "h1, h2")), "   c:" + path31 + "h1, h2");

  // 40 characters: "..." and the last 28.
  const std::string path40 = "\\0123456789abcdefghijklmnopqrstuvwxyzABC";
  ASSERT_EQ(path40.size(), 40u);
  EXPECT_EQ(FormatExportRow(Entry('c', path40, "h")),
            "   c:..." + path40.substr(12) + "h");
}

TEST(ExportListLine, OverlongClientsEndInDots) {
  const std::string line = FormatExportRow(Entry('c', "\\p", std::string(2000, 'x')));
  EXPECT_EQ(line.size(), kMaxExportRow);
  EXPECT_EQ(line.substr(line.size() - 4), "x...");
  EXPECT_EQ(FormatExportRow(Entry('c', "\\p", std::string(987, 'x'))).size(), 1023u);
}

TEST(ExportListLine, ExtentFollowsTheLongestClients) {
  EXPECT_EQ(WidenExtent(0, Entry('c', "\\a", "")), 40);
  EXPECT_EQ(WidenExtent(0, Entry('c', "\\a", "abc")), 43);
  EXPECT_EQ(WidenExtent(43, Entry('c', "\\a", "ab")), 43);
  EXPECT_EQ(WidenExtent(43, Entry('c', "\\a", "abcd")), 44);
}

TEST(ExportOrder, DriveThenPathThenClients) {
  std::vector<ExportEntry> list = {
      Entry('c', "\\apps"), Entry('c', "\\Data"), Entry('D', "\\z"),
      Entry('c', "\\apps", "beta"), Entry('c', "\\apps", "alpha"), Entry('d', "\\a"),
  };
  std::sort(list.begin(), list.end(),
            [](const ExportEntry& a, const ExportEntry& b) { return CompareExportEntries(a, b) < 0; });
  std::vector<std::string> order;
  for (const ExportEntry& e : list) order.push_back(FormatExportRow(e));
  const std::string all = "<exported to all clients>";
  const std::vector<std::string> expected = {
      Row("d:\\z", all),        Row("c:\\Data", all),      Row("c:\\apps", all),
      Row("c:\\apps", "alpha"), Row("c:\\apps", "beta"),   Row("d:\\a", all),
  };
  EXPECT_EQ(order, expected);
}

TEST(MbcsText, DoubleByteCharactersCompareAsOne) {
  LeadByteSet shiftJis;
  for (int b = 0x81; b <= 0x9f; ++b) shiftJis.set(b);
  for (int b = 0xe0; b <= 0xfc; ++b) shiftJis.set(b);

  // Byte by byte 0x81 sorts before the single-byte katakana 0xb1;
  // as characters 0x8140 sorts after it.
  EXPECT_LT(CompareMbcs("\x81\x40", "\xb1"), 0);
  SetLeadBytes(shiftJis);
  EXPECT_GT(CompareMbcs("\x81\x40", "\xb1"), 0);
  // A trail byte that looks like a backslash belongs to its character.
  EXPECT_LT(CompareMbcs("\x81\x5c", "\x81\x5d"), 0);
  EXPECT_EQ(CompareMbcs("ab", "ab"), 0);
  EXPECT_LT(CompareMbcs("ab", "abc"), 0);
  SetLeadBytes({});
}

}  // namespace
