#include <gtest/gtest.h>

#include <string>

#include "tools/hostedit/HostsFile.h"

namespace {

const char kHosts[] =
    "# Copyright notice\r\n"
    "\r\n"
    "127.0.0.1\tlocalhost\r\n"
    "192.168.1.20  ws-lab  wslab   # lab bench\r\n"
    "not an entry line\r\n"
    "10.0.0.5 alpha\r\n";

// That any text comes back whole is the fuzz target's property; here, what is
// read and that a change touches only its own line.
TEST(HostsFile, EntriesAndChangesTouchOnlyTheirOwnLine) {
  HostsFile file = HostsFile::Parse(kHosts);
  ASSERT_EQ(file.EntryCount(), 3u);
  EXPECT_EQ(file.Entry(1).names, (std::vector<std::string>{"ws-lab", "wslab"}));
  EXPECT_EQ(file.Entry(1).comment, "# lab bench");
  EXPECT_TRUE(file.Change(1, {"192.168.1.21", {"ws-lab"}, "# lab bench"}));
  EXPECT_TRUE(file.Remove(0));
  file.Add({"fe80::2", {"router6", "gw"}, ""});
  EXPECT_EQ(file.Format(),
            "# Copyright notice\r\n"
            "\r\n"
            "192.168.1.21\tws-lab\t# lab bench\r\n"
            "not an entry line\r\n"
            "10.0.0.5 alpha\r\n"
            "fe80::2\trouter6 gw\r\n");
  EXPECT_FALSE(file.Change(3, {"1.1.1.1", {"x"}, ""}));
  EXPECT_FALSE(file.Remove(3));
  EXPECT_EQ(file.EntryCount(), 3u);
}

TEST(HostsFile, CountsTheLinesKeptButNotShownAndEndsNewLinesLikeTheFirst) {
  const std::string text = std::string("# comment\r\n  \t\r\n   # indented comment\n") +
                           "fe80::1%eth0 router\r\n" + std::string("1.2.3.4 a\0b\r\n", 14) +
                           std::string(5000, 'x') + "\r\n10.0.0.1 alpha\r\nnot an entry";
  const HostsFile file = HostsFile::Parse(text);
  EXPECT_EQ(file.EntryCount(), 1u);
  EXPECT_EQ(file.KeptLineCount(), 4u);

  HostsFile unixFile = HostsFile::Parse("127.0.0.1 localhost");
  unixFile.Add({"10.0.0.1", {"a"}, ""});
  EXPECT_EQ(unixFile.Format(), "127.0.0.1 localhost\r\n10.0.0.1\ta\r\n");

  HostsFile lfFile = HostsFile::Parse("# hosts\n");
  lfFile.Add({"10.0.0.1", {"a"}, ""});
  EXPECT_EQ(lfFile.Format(), "# hosts\n10.0.0.1\ta\n");
}

}  // namespace
