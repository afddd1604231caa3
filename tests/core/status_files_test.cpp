#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "portable/WholeFile.h"
#include "status/MountList.h"
#include "status/ServerOptionSizes.h"
#include "tests/core/CoreTestSupport.h"

namespace {

using namespace std::literals;

// "mountd.list" as the client sheet shows it: the bytes up to the first zero
// (read through a real file, however long), lone line feeds as line breaks.
TEST(MountList, UpToItsFirstZeroByteWithLoneLineFeedsAsLineBreaks) {
  const std::string big(100000, 'y');
  EXPECT_EQ(MountListText(*ReadWholeFile(FileWith("\xff\xfe" + big + "\0tail"s).get())), "\xff\xfe" + big);
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"", ""},
      {"pc7 /a\npc8 /b\n", "pc7 /a\r\npc8 /b\r\n"},
      {"pc7 /a\r\npc8 /b\r\n", "pc7 /a\r\npc8 /b\r\n"},
      {"\n\npc7\r\n\n", "\r\n\r\npc7\r\n\r\n"},  // leading, doubled and mixed
      {"pc7\r\r\n", "pc7\r\r\n"},                       // only a CR right before counts
      {"pc7\rpc8", "pc7\rpc8"},
  };
  for (const auto& [text, shown] : cases) EXPECT_EQ(MountListDisplayText(MountListText(text)), shown) << text;
  EXPECT_EQ(MountListText("pc7\0garbage"sv), "pc7");
}

// The 30 items of the read and write size lists, and which one a stored size
// selects after clamping to 0..64; an item stores the number it shows.
TEST(ServerOptionSizes, ItemsAndTheStoredSizesTheyStandFor) {
  const std::vector<std::string> items = {"default", "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",
                                          "10",      "12", "14", "16", "18", "20", "22", "24", "26", "28",
                                          "30",      "32", "36", "40", "44", "48", "52", "56", "60", "64"};
  ASSERT_EQ(std::vector<std::string>(kBufferSizeItems.begin(), kBufferSizeItems.end()), items);
  for (size_t i = 1; i < items.size(); ++i) {
    EXPECT_EQ(BufferSizeOfItem(static_cast<int>(i)), std::stoi(items[i]));
    EXPECT_EQ(BufferSizeItemFor(std::stoi(items[i])), static_cast<int>(i));
  }
  EXPECT_EQ(BufferSizeOfItem(0), 0);
  EXPECT_EQ(BufferSizeOfItem(-1), 0);  // no selection

  const struct {
    int32_t stored;
    const char* shown;
  } clamped[] = {{0, "default"},  {-5, "default"}, {65, "64"},       {100000, "64"},
                 {11, "default"}, {34, "default"}, {50, "default"}};
  for (const auto& c : clamped) EXPECT_STREQ(kBufferSizeItems[BufferSizeItemFor(c.stored)], c.shown) << c.stored;
}

}  // namespace
