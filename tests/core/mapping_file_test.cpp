#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "mapping/MappingFile.h"
#include "mapping/MappingLine.h"
#include "mapping/MappingList.h"

namespace {

using namespace std::literals;

struct Record {
  std::string name, id;
  bool operator==(const Record&) const = default;
};

std::vector<Record> Plain(const std::vector<CUserInfo>& records) {
  std::vector<Record> plain;
  for (const CUserInfo& r : records) plain.push_back({r.m_strName, r.m_strId});
  return plain;
}

TEST(MappingLine, FirstAndThirdFields) {
  const struct {
    std::string_view line;
    Record record;
    const char* written;
  } cases[] = {
      {"alice::500::::"sv, {"alice", "500"}, "alice::500:::: \n"},
      {"root:x:0:0:root:/root:/bin/sh"sv, {"root", "0"}, "root::0:::: \n"},
      {"alice::"sv, {"alice", "-2"}, "alice::-2:::: \n"},
      {"alice:::"sv, {"alice", ""}, "alice:::::: \n"},
      {"alice"sv, {"alice", "-2"}, "alice::-2:::: \n"},
      {":x:7"sv, {"", "7"}, ""},
      {"#bob:: 0500 :"sv, {"#bob", " 0500 "}, "#bob:: 0500 :::: \n"},
      {"nul\0::9"sv, {"nul", "-2"}, "nul::-2:::: \n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const CUserInfo record = ParseMappingLine(c.line);
    EXPECT_EQ((Record{record.m_strName, record.m_strId}), c.record);
    EXPECT_EQ(FormatMappingLine(record), c.written);
  }
}

TEST(MappingFile, ReadingStopsAtAnEmptyLineOrCtrlZAndLongLinesAreReadInPiecesOf255Bytes) {
  const struct {
    std::string bytes;
    std::vector<Record> records;
  } cases[] = {
      {"alice::500\r\nbob::501\n\ncarol::502\n", {{"alice", "500"}, {"bob", "501"}}},
      {"last::1", {{"last", "1"}}},
      // Where text mode ends the file, on every platform.
      {"alice::500\r\nbob::\x1a" "501\r\ncarol::502\n", {{"alice", "500"}, {"bob", "-2"}}},
      // 300 bytes: two records.
      {std::string(200, 'a') + "::1:" + std::string(96, 'b') + "\n",
       {{std::string(200, 'a'), "1"}, {std::string(45, 'b'), "-2"}}},
      // Exactly 255 bytes: the line end is then read alone, as an empty line.
      {std::string(251, 'c') + "::42\nnext::1\n", {{std::string(251, 'c'), "42"}}},
  };
  for (const auto& c : cases) EXPECT_EQ(Plain(ReadMappingRecords(c.bytes)), c.records) << c.bytes.substr(0, 40);

  // A file that cannot be opened has no records; the rewrite of one that can
  // keeps only named records and their IDs.
  const std::string path = std::filesystem::temp_directory_path() / ("mapping_" + std::to_string(getpid()));
  EXPECT_TRUE(ReadMappingFile(path).empty());
  std::ofstream(path, std::ios::binary) << "root:x:0500:0:root:/root:/bin/sh\n:x:7\nstaff::20:a,b\n";
  EXPECT_EQ(MappingFileBytes(ReadMappingFile(path)), "root::0500:::: \r\nstaff::20:::: \r\n");
  std::filesystem::remove(path);
}

TEST(MappingFilePath, BuiltFromTheSystemDirectoryAndNeverCut) {
  EXPECT_EQ(MappingFilePath("C:\\WINNT\\system32", MappingFileKind::kGroup),
            "C:\\WINNT\\system32\\drivers\\etc\\group");
  // 240 + 19 = 259 bytes and the NUL fit; one more does not.
  EXPECT_TRUE(MappingFilePath(std::string(240, 'd'), MappingFileKind::kPasswd));
  EXPECT_FALSE(MappingFilePath(std::string(241, 'd'), MappingFileKind::kPasswd));
  EXPECT_TRUE(MappingFilePath(std::string(241, 'd'), MappingFileKind::kGroup));
}

}  // namespace
