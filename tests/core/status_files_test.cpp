#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "portable/AsciiCase.h"
#include "portable/WholeFile.h"
#include "portable/Wildcard.h"
#include "status/MountList.h"
#include "status/ServerOptionSizes.h"
#include "status/ServerOptions.h"
#include "tests/core/CoreTestSupport.h"

namespace {

using namespace std::literals;

// "mountd.list" as the client sheet shows it: the bytes up to the first zero
// (read through a real file, however long), lone line feeds as line breaks.
TEST(MountList, TextUpToItsFirstZeroByteClientLinesAndPathPatterns) {
  const std::string big(100000, 'y');
  EXPECT_EQ(MountListText(*ReadWholeFile(FileWith("\xff\xfe" + big + "\0tail"s).get())), "\xff\xfe" + big);
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"pc7 /a\r\npc8 /b\r\n", "pc7 /a\r\npc8 /b\r\n"},
      {"\n\npc7\r\n\n", "\r\n\r\npc7\r\n\r\n"},  // leading, doubled and mixed
      {"pc7\r\r\n", "pc7\r\r\n"},                       // only a CR right before counts
  };
  for (const auto& [text, shown] : cases) EXPECT_EQ(MountListDisplayText(MountListText(text)), shown) << text;

  // The evidence before a release: a client's mounts, found by its first word
  // in any case; and the patterns that select locks by path.
  const std::string text = "PC7  /export\r\npc70 /home\n  pc7\t/data\nx pc7\n";
  EXPECT_EQ(MountLinesOf(text, "pc7"), (std::vector<std::string_view>{"PC7  /export", "  pc7\t/data"}));
  EXPECT_TRUE(MountLinesOf(text, "pc").empty());
  for (const char* host : {"pc7", "Pc70", "pc", "x", "/data"})
    EXPECT_EQ(MountedClients(text).contains(AsciiLower(host)), !MountLinesOf(text, host).empty()) << host;
  const struct {
    const char* pattern;
    const char* path;
    bool matches;
  } patterns[] = {
      {"/export/*", "/export/data/a", true}, {"*", "", true},           {"/export/?", "/export/ab", false},
      {"*/a", "/export/data/a", true},       {"*a*b", "/xaxxb", true},   {"*a*b", "/xaxxbc", false},
      {"/Export/*", "/export/x", false},     {"/export/**", "/export", false},
  };
  for (const auto& c : patterns) EXPECT_EQ(MatchesWildcard(c.pattern, c.path), c.matches) << c.pattern << " " << c.path;
}

// What the Server Options dialog shows for a stored value, and so writes back at
// OK; nfsctl reports exactly the values it would change.
TEST(ServerOptions, WhatOkWritesBackForAStoredValue) {
  const struct {
    size_t index;
    int32_t stored;
    int32_t atOk;
  } cases[] = {{0, 1, 1},  {1, 0, 0},  {2, 2, 1},       {2, -1, 1},  {3, 0, 0},  {3, 1, 1},  {3, 10, 10},
               {4, 36, 36}, {3, 64, 64}, {3, 65, 64}, {4, 100000, 64}, {3, -5, 0}, {4, 11, 0}, {4, 34, 0}, {4, 50, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(OptionValueAtOk(c.index, c.stored), c.atOk) << c.index << " " << c.stored;
    EXPECT_EQ(!OptionValueProblem(c.index, c.stored), c.atOk == c.stored) << c.index << " " << c.stored;
  }
  // Every item selects itself again from the size it stores; none stores 0 but "default".
  for (int item = 1; item < static_cast<int>(kBufferSizeItems.size()); ++item) {
    EXPECT_EQ(BufferSizeItemFor(BufferSizeOfItem(item)), item) << kBufferSizeItems[static_cast<size_t>(item)];
    EXPECT_GT(BufferSizeOfItem(item), BufferSizeOfItem(item - 1));
  }
  EXPECT_EQ(BufferSizeOfItem(-1), 0);  // no selection
}

}  // namespace
