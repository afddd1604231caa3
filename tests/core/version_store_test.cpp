#include "portable/VersionStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include <unistd.h>

namespace {
const VersionOrigin kOrigin{"alice", "HOST", "nfsctl", "nfsctl exports add c:\\data", ""};

class VersionStoreTest : public testing::Test {
 protected:
  void SetUp() override { std::filesystem::remove_all(folder_); }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  const std::string folder_ =
      (std::filesystem::temp_directory_path() / ("nfs_history_" + std::to_string(getpid()))).string();
};
}  // namespace

// A version reads back byte for byte whatever it holds (an empty line, CR LF,
// every byte value), and its header says who, what and how much changed.
TEST_F(VersionStoreTest, KeepsTheBytesAndWhoChangedThem) {
  VersionStore store(folder_);
  std::string everyByte = "c:\\a\r\n\r\n\x1A";
  for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
  ASSERT_EQ(store.Record(kOrigin, "exports", "C:\\NFS\\exports", FingerprintOf(std::nullopt), "c:\\a\nc:\\b\n"), "");
  const VersionOrigin hostile{"alice", "HOST", "nfsctl", "restore", "fix\n\x1b[2Jdone"};
  ASSERT_EQ(store.Record(hostile, "exports", "C:\\NFS\\exports", FingerprintOf(std::string("c:\\a\nc:\\b\n")),
                         "c:\\a\nc:\\c\nc:\\d\n" + everyByte),
            "");

  const std::vector<Version> versions = store.List("EXPORTS");
  ASSERT_EQ(versions.size(), 2u);
  const Version& newest = versions[0];
  EXPECT_EQ(store.Bytes(newest.id), "c:\\a\nc:\\c\nc:\\d\n" + everyByte);
  EXPECT_EQ(store.Bytes(versions[1].id), "c:\\a\nc:\\b\n");
  EXPECT_EQ(newest.file, "exports");
  EXPECT_EQ(newest.path, "C:\\NFS\\exports");
  EXPECT_EQ(newest.origin.reason, "fix\\x0a\\x1b[2Jdone");
  EXPECT_EQ(newest.previousHash, versions[1].newHash);
  EXPECT_EQ(versions[1].previousHash, "none");
  EXPECT_EQ(newest.added, 6u);  // c:\c, c:\d and everyByte's four lines
  EXPECT_EQ(newest.removed, 1u);
  EXPECT_EQ(store.Newest("exports")->id, newest.id);
  EXPECT_TRUE(store.List("passwd").empty());

  // A listing again takes the headers the first one cached, unchanged; a cached
  // header whose version is gone is not listed.
  const std::vector<Version> again = store.List();
  ASSERT_EQ(again.size(), 2u);
  EXPECT_EQ(std::tie(again[0].id, again[0].origin.reason, again[0].added, again[0].removed, again[0].previousHash),
            std::tie(newest.id, newest.origin.reason, newest.added, newest.removed, newest.previousHash));
  for (const auto& item : std::filesystem::directory_iterator(folder_))
    if (item.path().filename().string().starts_with(versions[1].id)) std::filesystem::remove(item.path());
  ASSERT_EQ(store.List().size(), 1u);
}

// Programs saving in the same millisecond each keep their version.
TEST_F(VersionStoreTest, SavesAtTheSameMomentAreAllKept) {
  VersionStore store(folder_);
  std::vector<std::thread> writers;
  for (int writer = 0; writer < 4; ++writer)
    writers.emplace_back([&store, writer] {
      for (int i = 0; i < 20; ++i)
        store.Record(kOrigin, "passwd", "passwd", {}, std::to_string(writer * 100 + i) + "\n");
    });
  for (std::thread& writer : writers) writer.join();
  const std::vector<Version> versions = store.List();
  ASSERT_EQ(versions.size(), 80u);
  std::vector<std::string> kept;
  for (const Version& version : versions) kept.push_back(*store.Bytes(version.id));
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(std::unique(kept.begin(), kept.end()), kept.end());
}

// At most 100 versions of a file and a bounded folder: the oldest go, the
// newest stays even alone over the bound.
TEST_F(VersionStoreTest, RetentionDropsTheOldestFirst) {
  {
    VersionStore store(folder_);
    for (int i = 0; i < 101; ++i) ASSERT_EQ(store.Record(kOrigin, "group", "group", {}, std::to_string(i)), "");
    ASSERT_EQ(store.Record(kOrigin, "hosts", "hosts", {}, "other"), "");
    const std::vector<Version> group = store.List("group");
    ASSERT_EQ(group.size(), 100u);
    EXPECT_EQ(store.Bytes(group.front().id), "100");
    EXPECT_EQ(store.Bytes(group.back().id), "1");
    EXPECT_EQ(store.List("hosts").size(), 1u);
  }
  std::filesystem::remove_all(folder_);
  const auto folderSize = [this] {
    uint64_t total = 0;
    for (const auto& item : std::filesystem::directory_iterator(folder_)) total += item.file_size();
    return total;
  };
  VersionStore store(folder_, {100, 20000});
  for (int i = 0; i < 30; ++i)
    ASSERT_EQ(store.Record(kOrigin, i % 2 ? "exports" : "printcap", "", {}, std::string(3000, 'a' + i % 26)), "");
  EXPECT_LE(folderSize(), 20000u);
  EXPECT_GE(folderSize(), 20000u - 2 * 3500);
  ASSERT_EQ(store.Record(kOrigin, "exports", "exports", {}, std::string(30000, 'z')), "");
  ASSERT_EQ(store.List().size(), 1u);
  EXPECT_EQ(store.Bytes(store.List().front().id)->size(), 30000u);
}
