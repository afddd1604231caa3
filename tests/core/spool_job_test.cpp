#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "tests/core/CoreTestSupport.h"
#include "printing/ControlFile.h"
#include "printing/JobOrder.h"
#include "printing/QueueRow.h"
#include "printing/SpoolFiles.h"

namespace {

SpoolJob Read(const std::string& bytes) { return ReadControlFile(bytes, "cfA001.nfs"); }

TEST(ControlFile, SixLinesCutAtTheirLongestValue) {
  const struct {
    std::string bytes;
    std::vector<std::string> fields;  // data file, request id, user, printer, short value
    int32_t number;
  } cases[] = {
      {"dfA001\nreq-17\nalice smith\nlaser\nxx\n42\n",
       {"dfA001", "req-17", "alice smith", "laser", "xx"}, 42},
      {"dfA001\r\nreq\r\nbob\r\nlp\r\nx\r\n-7\r\n", {"dfA001", "req", "bob", "lp", "x"}, -7},
      // Exactly the longest value: whole, and the next line is not shifted.
      {"dfA00123456\n" + std::string(61, 'r') + "\nu\np\n12345678901\n1\n",
       {"dfA00123456", std::string(61, 'r'), "u", "p", "12345678901"}, 1},
      // One more: the rest becomes line 2 and every later line moves down.
      {"dfA001234567\nreq\nuser\nlp\nx\n9\n", {"dfA00123456", "7", "req", "user", "lp"}, 0},
      // The file ends early: the missing lines are empty.
      {"df\nreq", {"df", "req", "", "", ""}, 0},
      // The text of a line ends at a NUL.
      {std::string("d\0f\nr\n", 6), {"d", "r", "", "", ""}, 0},
      {"d\nr\nu\np\ns\n  +2147483647x\n", {"d", "r", "u", "p", "s"}, 2147483647},  // as atoi reads
      {"d\nr\nu\np\ns\n-99999999999\n", {"d", "r", "u", "p", "s"}, std::numeric_limits<int32_t>::min()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    const SpoolJob job = Read(c.bytes);
    EXPECT_EQ((std::vector<std::string>{job.dataFileName, job.requestId, job.userName,
                                        job.printerName, job.shortValue}),
              c.fields);
    EXPECT_EQ(job.number, c.number);
  }
  // Read from a file, no byte past what six lines at their longest take.
  std::string longest;
  for (const size_t length : {11, 61, 61, 61, 11, 77}) longest += std::string(length, '7') + "\r\n";
  EXPECT_EQ(ReadControlFileBytes(FileWith(longest + std::string(100000, 'x')).get()), longest);
}

TEST(QueueRow, WordsOfTheControlFileAndTheNameBack) {
  const struct {
    std::string bytes;
    const char* row;
  } cases[] = {
      {"dfA001\nreq-17\nalice smith\nlaser\n", "ID: cfA001.nfs     User: alice      Filename: dfA001"},
      // A blank in line 2 shifts the words: its second word shows as the user.
      {"dfA001\nreq 17\nalice\n", "ID: cfA001.nfs     User: 17      Filename: dfA001"},
      {"  \t\r\n dfA001 \n\n\nreq\n\nbob", "ID: cfA001.nfs     User: bob      Filename: dfA001"},
      {"", "ID: cfA001.nfs     User:       Filename: "},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReadQueueRow(FileWith(c.bytes).get(), "cfA001.nfs"), c.row) << c.bytes;
  EXPECT_EQ(ControlFileNameOfRow(cases[0].row), "cfA001.nfs");
  EXPECT_EQ(ControlFileNameOfRow("ID:"), "");

  // Words are bounded and end at a NUL; the bytes after either are dropped.
  const QueueEntry entry = ReadQueueEntry(FileWith(std::string(300, 'w') + std::string(" a\0b c", 6)).get());
  EXPECT_EQ(entry.dataFileName, std::string(kMaxControlWord, 'w'));
  EXPECT_EQ(entry.userName, "c");
}

TEST(SpoolFiles, SafeDataFileNamesAndControlFilesOldestFirst) {
  for (const char* safe : {"dfA001", "...x", "com10", "console"}) EXPECT_TRUE(IsSafeSpoolFileName(safe)) << safe;
  for (const char* unsafe : {"", "..", "..\\exports", "a/b", "c:x", "\\\\srv\\share", "nul.txt", "Com1", "aux  .x"})
    EXPECT_FALSE(IsSafeSpoolFileName(unsafe)) << unsafe;

  // A double-byte character whose trail byte is a backslash is one character.
  EXPECT_FALSE(IsSafeSpoolFileName("\x95\x5c"));
  {
    const ShiftJisScope shiftJis;
    EXPECT_TRUE(IsSafeSpoolFileName("\x95\x5c"));
    EXPECT_FALSE(IsSafeSpoolFileName("\x95\x5c\\x"));
  }

  EXPECT_EQ(MakeSpoolPath("C:\\nfs\\SPOOL\\PCNFSD", "dfA001"), "C:\\nfs\\SPOOL\\PCNFSD\\dfA001");

  std::vector<SpoolFileInfo> files = {
      {"cf1002.nfs", 1002}, {"cf1001b.nfs", 1001}, {"cf1001a.nfs", 1001}};
  std::vector<std::string> order;
  while (const SpoolFileInfo* next = OldestControlFile(files)) {
    order.push_back(next->name);
    files.erase(files.begin() + (next - files.data()));
  }
  EXPECT_EQ(order, (std::vector<std::string>{"cf1001b.nfs", "cf1001a.nfs", "cf1002.nfs"}));

  // Names too long to handle, or that only a short name matched, are passed over.
  files = {{"cf0123456.nfs", 5}, {"cf01234567.nfs", 1}, {"cfile.nfsx", 1}, {"CFX.NFS", 7}};
  EXPECT_EQ(OldestControlFile(files)->name, "cf0123456.nfs");
  for (const char* name : {"cf.nfs", "Cf.Nfs", "cf0123456.nfs"})
    EXPECT_TRUE(IsHandledControlFileName(name)) << name;
  for (const char* name : {"cf0123456x.nfs", "cf.nf", "dfA001", "cfnfs", "xcf.nfs", "cf\\..\\..\\.nfs", "cf/../.nfs"})
    EXPECT_FALSE(IsHandledControlFileName(name)) << name;
}

}  // namespace
