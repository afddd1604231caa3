// The values an exports line cannot carry, and which exports name one directory.
#include <gtest/gtest.h>

#include "exports/ExportLineGrammar.h"
#include "exports/ExportLineProblem.h"
#include "exports/SameDirectory.h"

namespace {

ExportEntry Entry(const std::string& path, const std::string& clients, int mode, const std::string& rwList = "") {
  ExportEntry entry;
  entry.drive = 'c';
  entry.path = path;
  entry.clients = clients;
  entry.flags = clients.empty() ? ExportEntry::kAllClients : 0;
  entry.mode = mode;
  entry.rwList = rwList;
  return entry;
}

TEST(ExportLineProblem, RefusesWhatWouldReadBackAsAnotherExport) {
  const std::string name127(127, 'h'), name128(128, 'h');
  struct Case {
    ExportEntry entry;
    bool refused;
  };
  const Case cases[] = {
      {Entry("\\public", "", 0), false},
      {Entry("\\data", "alpha, beta", 2, "beta"), false},
      {Entry("\\" + std::string(126, 'p'), name127, 1), false},
      {Entry("\\" + std::string(127, 'p'), "", 0), true},  // a path of 128 characters
      {Entry("", "", 0), true},
      {Entry("\\a b", "", 0), true},
      {Entry("\\a\tb", "", 0), true},
      {Entry("\\a#b", "", 0), true},
      {Entry("\\a;b", "", 0), true},
      {Entry("\\a:b", "", 0), true},
      {Entry("\\a\x1f", "", 0), true},
      {Entry("\\x", "al;pha", 0), true},
      {Entry("\\x", name128, 0), true},
      {Entry("\\x", name127 + ", b", 0), true},  // 129 characters as written
      {Entry("\\x", "", 2, "r#w"), true},
      {Entry("\\x", "", 3), true},
      {Entry("\\x", "", -1), true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExportLineProblem(c.entry).has_value(), c.refused) << c.entry.path << " / " << c.entry.clients;
    if (c.refused) continue;
    // What is not refused reads back as the same export.
    ExportEntry reread;
    ASSERT_TRUE(IsAcceptedExportLine(ParseExportLine(FormatExportLine(c.entry), kAppendScanLimit, reread)));
    EXPECT_EQ(reread.path, c.entry.path);
    EXPECT_EQ(reread.clients, c.entry.clients);
    EXPECT_EQ(reread.mode, c.entry.mode);
  }
  ExportEntry digit = Entry("\\x", "", 0);
  digit.drive = '1';
  EXPECT_TRUE(ExportLineProblem(digit));
}

TEST(SameDirectory, IgnoresCaseAndATrailingBackslash) {
  ExportEntry upper = Entry("\\Data\\", "h", 1);
  upper.drive = 'C';
  EXPECT_TRUE(SameDirectory(Entry("\\data", "", 0), upper));
  EXPECT_FALSE(SameDirectory(Entry("\\data2", "", 0), upper));
  EXPECT_FALSE(SameDirectory(Entry("\\", "", 0), Entry("", "", 0)));
  ExportEntry otherDrive = Entry("\\data", "", 0);
  otherDrive.drive = 'd';
  EXPECT_FALSE(SameDirectory(Entry("\\data", "", 0), otherDrive));
}

}  // namespace
