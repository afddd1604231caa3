#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

#include "exports/ExportEntryStream.h"
#include "exports/ExportLineGrammar.h"
#include "exports/SameDirectory.h"
#include "portable/FileFingerprint.h"
#include "portable/SaveWholeFile.h"
#include "portable/WholeFile.h"
#include "tests/core/CoreTestSupport.h"

namespace {

// The entries as the console writes them back.
std::string Written(const std::vector<ExportEntry>& entries) {
  std::vector<const ExportEntry*> all;
  for (const ExportEntry& entry : entries) all.push_back(&entry);
  return FormatExportFile(all);
}

// At start-up a 1100-character line is read as a 1023-character piece and the
// rest; a line another program appended, past 509 characters.
TEST(ExportsFile, ReadsAcceptedLinesAndSplitsOverlongOnes) {
  const std::string longLine = "c:\\long" + std::string(1016, ' ') + "d:\\tail;0\n";
  EXPECT_EQ(Written(ReadExportEntries("# comment\nc:\\a;0 \nbad line\n\nE:\\b h1 h2;1 \n" + longLine)),
            "c:\\a;0 \r\nE:\\b h1 h2;1 \r\nc:\\long;0 \r\nd:\\tail;0 \r\n");
  // Nothing after a Ctrl+Z, as in text mode.
  EXPECT_EQ(ReadExportEntries("c:\\a;0 \r\nc:\\b;0\x1a \r\nc:\\c;0 \r\n").size(), 2u);

  EXPECT_TRUE(ReadAppendedExportEntries("# later\n").empty());
  const std::string appended = "c:\\long" + std::string(502, ' ') + "d:\\tail;0\r\n";
  EXPECT_EQ(Written(ReadAppendedExportEntries("c:\\new host;0 \r\n" + appended + "d:\\x;1")),
            "c:\\new host;0 \r\nc:\\long;0 \r\nd:\\tail;0 \r\nd:\\x;1 \r\n");
}

// What another program appending a line must know of the file, and how the
// file is replaced whole.
TEST(ExportsFile, AppendingALineAndReplacingTheFile) {
  const ExportAppend marked = AppendExportLine("c:\\x;0 \r\n\x1a", "c:\\a;0");
  EXPECT_EQ(marked.refusal, ExportAppend::kEndOfFileMark);
  EXPECT_EQ(marked.markLine, 2u);

  const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("nfs_save_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "exports").string();
  ASSERT_EQ(SaveWholeFile(path, "old"), "");
  ASSERT_EQ(SaveWholeFile(path, "new"), "");
  EXPECT_EQ(ReadWholeFileAt(path).bytes, std::optional<std::string>("new"));
  EXPECT_TRUE(ReadWholeFileAt((dir / "missing").string()).Missing());
  EXPECT_NE(SaveWholeFile((dir / "missing" / "exports").string(), "x").find("; the file on disk is unchanged"),
            std::string::npos);
  std::filesystem::remove_all(dir);
}

// Every program refuses a second export of one directory, however it is spelled.
TEST(SameDirectory, EverySpellingOfOneDirectory) {
  const struct {
    char drive;
    const char* path;
    bool same;  // as c:\public
  } cases[] = {
      {'C', "\\Public", true},   {'c', "\\public\\\\", true}, {'c', "/public", true},
      {'c', "\\public\\.", true}, {'c', "\\\\public", true},  {'c', "public", true},
      {'c', "\\.\\public/", true}, {'c', "\\public\\sub", false}, {'d', "\\public", false},
      {'c', "\\publi", false},     {'c', "\\", false},
  };
  const ExportEntry exported = Entry('c', "\\public");
  for (const auto& c : cases)
    EXPECT_EQ(SameDirectory(Entry(c.drive, c.path), exported), c.same) << c.drive << c.path;
  EXPECT_EQ(CanonicalPath("public//sub\\.\\"), "\\public\\sub");
  EXPECT_EQ(CanonicalPath("/"), "\\");

  // Under code page 932 the trail byte 0x5C of \x83\x5C is no separator, and a
  // trail byte in the letter range keeps its case.
  const ShiftJisScope shiftJis;
  const ExportEntry katakana = Entry('c', "\\\x83\x5c");
  EXPECT_TRUE(SameDirectory(Entry('c', "\\\x83\x5c\\"), katakana));
  EXPECT_FALSE(SameDirectory(Entry('c', "\\\x83"), katakana));
  EXPECT_FALSE(SameDirectory(Entry('c', "\\\x83\x41"), Entry('c', "\\\x83\x61")));
  const std::vector<ExportEntry> entries = {exported, katakana};
  EXPECT_EQ(FindSameDirectory(entries, Entry('C', "\\\x83\x5c\\.")), &entries[1]);
}

// What a program read, and what others did to the file since: only lines added
// after every byte it read are an append it may take in without asking.
TEST(ExportsFile, WhatWasAppendedSinceTheRead) {
  const FileFingerprint read = FingerprintOf(std::string("c:\\a;0 \r\n"));
  EXPECT_EQ(AppendedSince(read, "c:\\a;0 \r\nc:\\b;0\r\n"), "c:\\b;0\r\n");
  EXPECT_EQ(AppendedSince(read, "c:\\a;0 \r\n"), "");
  EXPECT_FALSE(AppendedSince(read, "c:\\A;0 \r\nc:\\b;0\r\n"));  // rewritten, then appended
  EXPECT_FALSE(AppendedSince(read, "c:\\a;0"));                      // cut short
  EXPECT_EQ(AppendedSince(FingerprintOf(std::nullopt), "c:\\b;0\r\n"), "c:\\b;0\r\n");
  EXPECT_NE(FingerprintOf(std::nullopt), FingerprintOf(std::string()));  // made empty is a change
  EXPECT_NE(read, FingerprintOf(std::string("c:\\b;0 \r\n")));
}

}  // namespace
