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

TEST(ExportLine, ReadsTheFieldsAndWritesTheSameLineBack) {
  struct Case {
    const char* line;
    int fields;
    int flags;
    char drive;
    const char* path;
    const char* clients;
    int mode;
    const char* rwList;
  };
  const Case cases[] = {
      {"c:\\public;0 \n", 2, 1, 'c', "\\public", "", 0, ""},
      {"c:\\data hosta hostb;2 hostc hostd\n", 4, 0, 'c', "\\data", "hosta, hostb", 2, "hostc,hostd"},
      {"E:\\Home\\Shared;1 \n", 2, 1, 'E', "\\Home\\Shared", "", 1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const Parsed p = Parse(c.line);
    EXPECT_EQ(p.fields, c.fields);
    EXPECT_EQ(p.entry.flags, c.flags);
    EXPECT_EQ(p.entry.drive, c.drive);
    EXPECT_EQ(p.entry.path, c.path);
    EXPECT_EQ(p.entry.clients, c.clients);
    EXPECT_EQ(p.entry.mode, c.mode);
    EXPECT_EQ(p.entry.rwList, c.rwList);
    EXPECT_EQ(FormatExportLine(p.entry), c.line);
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

TEST(ExportLine, SkipsCommentsBlanksAndMalformedLines) {
  EXPECT_EQ(Parse("").fields, 0);
  EXPECT_EQ(Parse("# c:\\public;0\n").fields, 0);
  EXPECT_EQ(Parse("   \t\n").fields, 0);
  EXPECT_EQ(Parse("c:\\a:b;0\n").fields, -1);   // a second colon
  EXPECT_EQ(Parse("cd:\\a;0\n").fields, -1);    // two-letter drive
  EXPECT_EQ(Parse(":\\a;0\n").fields, -1);      // no drive
  EXPECT_EQ(Parse("c: ;0\n").fields, 1);        // no path
  EXPECT_EQ(Parse("\\public hosta\n").fields, 0);
}

TEST(ExportLine, TokenAndDelimiterRules) {
  // Leading blanks, a blank between drive and colon, a trailing comment.
  Parsed p = Parse("  \tc :\\pub alpha # beta\n");
  EXPECT_EQ(p.fields, 3);
  EXPECT_EQ(p.entry.drive, 'c');
  EXPECT_EQ(p.entry.clients, "alpha");
  EXPECT_EQ(p.entry.mode, 0);  // no ';' at all

  // A second ';' starts the R/W list anew and its digit replaces the mode.
  p = Parse("c:\\pub a;2 x y;1 z\n");
  EXPECT_EQ(p.entry.mode, 1);
  EXPECT_EQ(p.entry.rwList, "z");

  // The character after ';' is the mode, whatever it is, and is consumed.
  p = Parse("c:\\pub;\n");
  EXPECT_EQ(p.entry.mode, '\n' - '0');
  p = Parse("c:\\pub;x1 h\n");
  EXPECT_EQ(p.entry.mode, 'x' - '0');
  EXPECT_EQ(p.entry.rwList, "1,h");

  // A ';' that ends the text leaves the export read only.
  p = Parse("c:\\pub;");
  EXPECT_EQ(p.fields, 2);
  EXPECT_EQ(p.entry.mode, 0);

  // Bytes of 128 and above are token characters.
  p = Parse("d:\\caf\xe9 h\xf4te;0\n");
  EXPECT_EQ(p.entry.path, "\\caf\xe9");
  EXPECT_EQ(p.entry.clients, "h\xf4te");
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
