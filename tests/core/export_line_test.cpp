#include <gtest/gtest.h>

#include <string>

#include "exports/ExportChoice.h"
#include "exports/ExportLineGrammar.h"

namespace {

struct Parsed {
  int fields;
  ExportEntry entry;
};

Parsed Parse(const std::string& line, size_t limit = kStartupScanLimit) {
  Parsed p{0, {}};
  p.fields = ParseExportLine(line, limit, p.entry);
  return p;
}

// What each line reads as, and the line its entry is written as (none when the
// line is not accepted).
TEST(ExportLine, FieldsReadAndTheLineWrittenBack) {
  const struct {
    const char* line;
    int fields, flags;
    char drive;
    const char *path, *clients;
    int mode;
    const char *rwList, *written;
  } cases[] = {
      {"c:\\public;0 \n", 2, 1, 'c', "\\public", "", 0, "", "c:\\public;0 \n"},
      {"c:\\data hosta hostb;2 hostc hostd\n", 4, 0, 'c', "\\data", "hosta, hostb", 2, "hostc,hostd",
       "c:\\data hosta hostb;2 hostc hostd\n"},
      {"E:\\Home\\Shared;1 \n", 2, 1, 'E', "\\Home\\Shared", "", 1, "", "E:\\Home\\Shared;1 \n"},
      // Leading blanks, a blank between drive and colon, a comment, no ';' at all.
      {"  \tc :\\pub alpha # beta\n", 3, 0, 'c', "\\pub", "alpha", 0, "", "c:\\pub alpha;0 \n"},
      // A second ';' starts the R/W list anew and its digit replaces the mode.
      {"c:\\pub a;2 x y;1 z\n", 3, 0, 'c', "\\pub", "a", 1, "z", "c:\\pub a;1 z\n"},
      // The character after ';' is the mode, whatever it is, and is consumed.
      {"c:\\pub;\n", 2, 1, 'c', "\\pub", "", '\n' - '0', "", "c:\\pub;-38 \n"},
      {"c:\\pub;x1 h\n", 2, 1, 'c', "\\pub", "", 'x' - '0', "1,h", "c:\\pub;72 1 h\n"},
      {"c:\\pub;", 2, 1, 'c', "\\pub", "", 0, "", "c:\\pub;0 \n"},  // no mode digit: read only
      // Bytes of 128 and above are token characters.
      {"d:\\caf\xe9 h\xf4te;0\n", 3, 0, 'd', "\\caf\xe9", "h\xf4te", 0, "", "d:\\caf\xe9 h\xf4te;0 \n"},
      {"", 0, 0, 0, "", "", 0, "", nullptr},
      {"# c:\\public;0\n", 0, 0, 0, "", "", 0, "", nullptr},
      {"   \t\n", 0, 0, 0, "", "", 0, "", nullptr},
      {"c:\\a:b;0\n", -1, 0, 'c', "", "", 0, "", nullptr},  // a second colon
      {"cd:\\a;0\n", -1, 0, 0, "", "", 0, "", nullptr},     // a two-letter drive
      {":\\a;0\n", -1, 0, 0, "", "", 0, "", nullptr},       // no drive
      {"c: ;0\n", 1, 0, 'c', "", "", 0, "", nullptr},         // no path
      {"\\public hosta\n", 0, 0, 0, "", "", 0, "", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const Parsed p = Parse(c.line);
    EXPECT_EQ(p.fields, c.fields);
    EXPECT_EQ(p.entry.flags, c.flags);
    EXPECT_EQ(p.entry.drive, c.drive);
    EXPECT_EQ(p.entry.path, c.path);
    EXPECT_EQ(p.entry.clients, c.clients);
    EXPECT_EQ(p.entry.mode, c.mode);
    EXPECT_EQ(p.entry.rwList, c.rwList);
    EXPECT_EQ(IsAcceptedExportLine(p.fields), c.written != nullptr);
    if (c.written) EXPECT_EQ(FormatExportLine(p.entry), c.written);
  }
}

TEST(ExportLine, WrittenFormsThatDoNotSurviveReadingBack) {
  ExportEntry noClients;
  noClients.drive = 'c';
  noClients.path = "\\x";
  EXPECT_EQ(FormatExportLine(noClients), "c:\\x ;0 \n");
  const Parsed back = Parse(FormatExportLine(noClients));
  EXPECT_EQ(back.fields, 2);
  EXPECT_TRUE(back.entry.IsExportedToAll());

  ExportEntry noPath;
  noPath.drive = 'c';
  noPath.flags = ExportEntry::kAllClients;
  EXPECT_EQ(FormatExportLine(noPath), "c:;0 \n");
  EXPECT_FALSE(IsAcceptedExportLine(Parse("c:;0 \n").fields));
}

TEST(ExportLine, LongTokensAreCutAndNamesWrittenWhole) {
  const std::string longPath = "\\" + std::string(199, 'p');
  Parsed p = Parse("c:" + longPath + ";0\n");
  EXPECT_EQ(p.entry.path, longPath.substr(0, kMaxExportToken));

  ExportEntry e;
  e.drive = 'c';
  e.path = "\\" + std::string(300, 'q');
  e.clients = std::string(200, 'h') + ", b";
  const std::string line = FormatExportLine(e);
  EXPECT_EQ(line, "c:" + e.path + " " + std::string(200, 'h') + " b;0 \n");
}

// Through the editor and back to the file, a drive keeps its code: the letter's
// case, and a byte of 128 or more from a hand-edited line, until a drive is picked.
TEST(ExportLine, TheDriveByteSurvivesTheEditorAndTheFile) {
  for (const char* line : {"c:\\a;0 \n", "E:\\a;0 \n", "\xc4:\\a;0 \n"}) {
    SCOPED_TRACE(line);
    Parsed p = Parse(line);
    ExportEntry stored = p.entry;
    StoreChoice(ChoiceOfEntry(p.entry), p.entry.path, stored);
    EXPECT_EQ(stored.drive, static_cast<unsigned char>(line[0]));
    EXPECT_EQ(FormatExportLine(stored), line);
  }
  ExportChoice picked = ChoiceOfEntry(Parse("E:\\a;0 \n").entry);
  picked.driveIndex = 'F' - 'C';
  ExportEntry stored;
  StoreChoice(picked, "\\a", stored);
  EXPECT_EQ(stored.drive, 'f');
}

TEST(ExportLine, ScanLimitEndsTheLine) {
  // Past the limit nothing is read: the clients never arrive.
  const std::string line = "c:\\pub" + std::string(600, ' ') + "far;0\n";
  EXPECT_EQ(Parse(line, kAppendScanLimit).fields, 2);
  EXPECT_EQ(Parse(line, kStartupScanLimit).fields, 3);
}

}  // namespace
