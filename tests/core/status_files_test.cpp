#include <gtest/gtest.h>

#include <string>

#include "TestFiles.h"
#include "portable/MbcsText.h"
#include "status/MountList.h"
#include "status/ServerOptionSizes.h"
#include "portable/WholeFile.h"

namespace {

using namespace std::literals;

TEST(MountList, BytesUpToTheFirstZero) {
  EXPECT_EQ(MountListText(""), "");
  EXPECT_EQ(MountListText("pc7 /export\r\npc8 /home\r\n"), "pc7 /export\r\npc8 /home\r\n");
  EXPECT_EQ(MountListText("pc7\0garbage"sv), "pc7");
  EXPECT_EQ(*ReadWholeFile(FileWith("pc7\0x\xff"s + std::string(100000, 'y')).get()),
            "pc7\0x\xff"s + std::string(100000, 'y'));
}

TEST(MountList, LoneLineFeedsShownAsLineBreaks) {
  const struct {
    std::string_view text;
    std::string_view shown;
  } cases[] = {
      {"", ""},
      {"pc7 /a\npc8 /b\n", "pc7 /a\r\npc8 /b\r\n"},
      {"pc7 /a\r\npc8 /b\r\n", "pc7 /a\r\npc8 /b\r\n"},
      {"\n\npc7\r\n\n", "\r\n\r\npc7\r\n\r\n"},  // leading, doubled and mixed
      {"pc7\r\r\n", "pc7\r\r\n"},                       // only a CR right before counts
      {"pc7\rpc8", "pc7\rpc8"},
  };
  for (const auto& c : cases) EXPECT_EQ(MountListDisplayText(c.text), c.shown) << c.text;
}

TEST(ServerOptionSizes, StoredSizeToItemAndBack) {
  const struct {
    int32_t stored;
    const char* shown;
    int32_t written;
  } cases[] = {
      {0, "default", 0},  {-5, "default", 0}, {100, "64", 64}, {64, "64", 64},
      {1, "1", 1},        {3, "3", 3},        {8, "8", 8},     {10, "10", 10},
      {11, "default", 0}, {34, "default", 0}, {36, "36", 36},  {50, "default", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    const int item = BufferSizeItemFor(c.stored);
    EXPECT_STREQ(kBufferSizeItems[static_cast<size_t>(item)], c.shown);
    EXPECT_EQ(BufferSizeOfItem(item), c.written);
  }
  EXPECT_EQ(BufferSizeOfItem(-1), 0);
  // Every item but "default" stores its own number.
  for (int i = 1; i < 30; ++i) EXPECT_EQ(BufferSizeItemFor(BufferSizeOfItem(i)), i);
}

}  // namespace
