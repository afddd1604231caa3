#include <gtest/gtest.h>

#include <string>

#include "exports/ExportEntryStream.h"
#include "tests/core/CoreTestSupport.h"

namespace {

TEST(ExportsFile, ReadsAcceptedLinesAndSplitsOverlongOnes) {
  // A 1100-character line is read as a 1023-character piece and the rest.
  const std::string longLine = "c:\\long" + std::string(1016, ' ') + "d:\\tail;0\n";
  const std::string f = ("# comment\nc:\\a;0 \nbad line\n\nE:\\b h1 h2;1 \n" + longLine);
  const auto entries = ReadExportEntries(f);
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(FormatExportFile({&entries[0], &entries[1]}), "c:\\a;0 \r\nE:\\b h1 h2;1 \r\n");
  EXPECT_EQ(entries[0].path, "\\a");
  EXPECT_EQ(entries[1].clients, "h1, h2");
  EXPECT_EQ(entries[2].path, "\\long");
  EXPECT_EQ(entries[3].drive, 'd');
  EXPECT_EQ(entries[3].path, "\\tail");
}

TEST(ExportsFile, LastLineForAnAnnouncedAppend) {
  EXPECT_FALSE(ReadLastExportEntry(FileWith("").get()));
  EXPECT_FALSE(ReadLastExportEntry(FileWith("c:\\a;0 \n# later\n").get()));
  auto last = ReadLastExportEntry(FileWith("c:\\a;0 \nc:\\new host;0 \n").get());
  ASSERT_TRUE(last);
  EXPECT_EQ(last->path, "\\new");
  EXPECT_EQ(last->clients, "host");
  // No final line end.
  last = ReadLastExportEntry(FileWith("c:\\a;0 \nd:\\x;1").get());
  ASSERT_TRUE(last);
  EXPECT_EQ(last->mode, 1);
}

}  // namespace
