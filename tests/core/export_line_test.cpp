#include <gtest/gtest.h>

#include <string>

#include "exports/ExportChoice.h"
#include "exports/ExportLineGrammar.h"

namespace {

// An entry as one text: fields|flags|drive|path|clients|mode|rwList.
std::string Read(const std::string& line, size_t limit = kStartupScanLimit) {
  ExportEntry e;
  const int fields = ParseExportLine(line, limit, e);
  return std::to_string(fields) + "|" + std::to_string(e.flags) + "|" + (e.drive ? std::string(1, char(e.drive)) : "") +
         "|" + e.path + "|" + e.clients + "|" + std::to_string(e.mode) + "|" + e.rwList;
}

// What each line reads as, and the line its entry is written as (none when the
// line is not accepted).
TEST(ExportLine, FieldsReadAndTheLineWrittenBack) {
  const struct {
    std::string line, read;
    const char* written;
  } cases[] = {
      {"c:\\public;0 \n", "2|1|c|\\public||0|", "c:\\public;0 \n"},
      {"c:\\data hosta hostb;2 hostc hostd\n", "4|0|c|\\data|hosta, hostb|2|hostc,hostd",
       "c:\\data hosta hostb;2 hostc hostd\n"},
      // Leading blanks, a blank between drive and colon, a comment, no ';' at all.
      {"  \tE :\\pub alpha # beta\n", "3|0|E|\\pub|alpha|0|", "E:\\pub alpha;0 \n"},
      // A second ';' starts the R/W list anew and its digit replaces the mode.
      {"c:\\pub a;2 x y;1 z\n", "3|0|c|\\pub|a|1|z", "c:\\pub a;1 z\n"},
      // The character after ';' is the mode, whatever it is, and is consumed; it
      // is written back as it came, so that the line means the same.
      {"c:\\pub;\n", "2|1|c|\\pub||-38|", "c:\\pub;\n"},
      {"c:\\pub;x1 h\n", "2|1|c|\\pub||72|1,h", "c:\\pub;x 1 h\n"},
      {"c:\\pub;\xe9\n", "2|1|c|\\pub||-71|", "c:\\pub;\xe9 \n"},
      {"c:\\pub;", "2|1|c|\\pub||0|", "c:\\pub;0 \n"},  // no mode digit: read only
      // Bytes of 128 and above are token characters, a drive byte too.
      {"\xc4:\\caf\xe9 h\xf4te;0\n", "3|0|\xc4|\\caf\xe9|h\xf4te|0|", "\xc4:\\caf\xe9 h\xf4te;0 \n"},
      {"c:\\" + std::string(199, 'p') + ";0\n", "2|1|c|\\" + std::string(126, 'p') + "||0|", nullptr},
      {std::string("c:\\pub h1\0h2;1\n", 15), "3|0|c|\\pub|h1|0|", "c:\\pub h1;0 \n"},  // a NUL ends the text
      {"# c:\\public;0\n", "0|0||||0|", nullptr},
      {"c:\\a:b;0\n", "-1|0|c|||0|", nullptr},  // a second colon
      {"c: ;0\n", "1|0|c|||0|", nullptr},         // no path
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(Read(c.line), c.read);
    ExportEntry e;
    if (c.written) {
      EXPECT_EQ(FormatExportLine((ParseExportLine(c.line, kStartupScanLimit, e), e)), c.written);
    }
  }
  // Past the scan limit nothing is read: the clients never arrive.
  const std::string far = "c:\\pub" + std::string(600, ' ') + "far;0\n";
  EXPECT_EQ(Read(far, kAppendScanLimit), "2|1|c|\\pub||0|");
  EXPECT_EQ(Read(far), "3|0|c|\\pub|far|0|");
}

TEST(ExportLine, WrittenFormsNamesWholeAndTheDriveByte) {
  ExportEntry e;
  e.drive = 'c';
  e.path = "\\" + std::string(300, 'q');
  e.clients = std::string(200, 'h') + ", b";
  EXPECT_EQ(FormatExportLine(e), "c:" + e.path + " " + std::string(200, 'h') + " b;0 \n");
  // No clients without the all-clients flag reads back as exported to all.
  e.path = "\\x";
  e.clients.clear();
  EXPECT_EQ(FormatExportLine(e), "c:\\x ;0 \n");
  EXPECT_EQ(Read(FormatExportLine(e)), "2|1|c|\\x||0|");

  // Through the editor a drive keeps its code (case, a byte of 128 or more)
  // until a drive is picked, which stores its lower-case letter.
  for (const char* line : {"c:\\a;0 \n", "E:\\a;0 \n", "\xc4:\\a;0 \n"}) {
    ExportEntry read, stored;
    ParseExportLine(line, kStartupScanLimit, read);
    StoreChoice(ChoiceOfEntry(read), read.path, stored);
    EXPECT_EQ(FormatExportLine(stored), line);
    ExportChoice picked = ChoiceOfEntry(read);
    picked.driveIndex = 'F' - 'C';
    StoreChoice(picked, "\\a", stored);
    EXPECT_EQ(stored.drive, 'f') << line;
  }
}

}  // namespace
