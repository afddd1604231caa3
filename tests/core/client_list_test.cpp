#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exports/ClientList.h"

namespace {

TEST(ClientList, NormalizeGivesTheCanonicalTextAndItsLengthPlusTwo) {
  struct Case {
    const char* text;
    const char* normal;
    int result;
  };
  const Case cases[] = {
      {"", "", 0},
      {",", "", 0},
      {" ", "", 0},
      {",, ,", "", 0},
      {"a", "a", 3},
      {"  alpha,beta  ,, gamma ", "alpha, beta, gamma", 20},
      {" alpha,, beta  gamma ", "alpha, beta, gamma", 20},
      {"alpha, beta", "alpha, beta", 13},
      {"alpha\tbeta", "alpha\tbeta", 12},  // only commas and blanks separate
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::string text = c.text;
    EXPECT_EQ(NormalizeClientList(text), c.result);
    EXPECT_EQ(text, c.normal);
  }
}

TEST(ClientList, NormalizeNeverCutsALongText) {
  std::string text;
  for (int i = 0; i < 60; ++i) text += "h,";  // 120 characters that grow to 178
  const int result = NormalizeClientList(text);
  EXPECT_EQ(text.size(), 60u * 3 - 2);
  EXPECT_EQ(result, static_cast<int>(text.size()) + 2);
}

TEST(ClientList, SplitDropsBlanksEverywhereAndSkipsEmptyNames) {
  EXPECT_EQ(SplitClientList("alpha, beta gamma,,delta"),
            (std::vector<std::string>{"alpha", "betagamma", "delta"}));
  EXPECT_EQ(SplitClientList(", ,"), std::vector<std::string>{});
  EXPECT_EQ(SplitClientList(""), std::vector<std::string>{});
  EXPECT_EQ(SplitClientList("solo"), std::vector<std::string>{"solo"});
}

TEST(ClientList, PickingAHostAppendsItOrRefusesWithoutCutting) {
  std::string text;
  EXPECT_TRUE(AppendPickedHost(text, "alpha"));
  EXPECT_EQ(text, "alpha");
  EXPECT_TRUE(AppendPickedHost(text, "alpha"));  // no check for a name held already
  EXPECT_EQ(text, "alpha, alpha");

  text = " beta,,gamma ";
  EXPECT_TRUE(AppendPickedHost(text, "delta"));
  EXPECT_EQ(text, "beta, gamma, delta");

  // 120 characters plus ", " and a name: 127 fits, 128 does not.
  const std::string full(120, 'x');
  text = full;
  EXPECT_TRUE(AppendPickedHost(text, "abcde"));
  EXPECT_EQ(text.size(), 127u);
  text = full;
  EXPECT_FALSE(AppendPickedHost(text, "abcdef"));
  EXPECT_EQ(text, full);
}

}  // namespace
