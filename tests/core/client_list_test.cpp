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
  std::string long120, long178;
  for (int i = 0; i < 60; ++i) long120 += "h,", long178 += i ? ", h" : "h";
  const Case cases[] = {
      {",, ,", "", 0},
      {"a", "a", 3},
      {"  alpha,beta  ,, gamma ", "alpha, beta, gamma", 20},
      {" alpha,, beta  gamma ", "alpha, beta, gamma", 20},
      {"alpha\tbeta", "alpha\tbeta", 12},  // only commas and blanks separate
      {long120.c_str(), long178.c_str(), 180},  // never cut, however long it grows
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::string text = c.text;
    EXPECT_EQ(NormalizeClientList(text), c.result);
    EXPECT_EQ(text, c.normal);
  }
}

// The picker's split drops blanks inside a name; the file's reader, and every
// program that checks or looks up names, separates at them.
TEST(ClientList, SplitForThePickerNamesAsTheFileHoldsThemAndAPickedHostAppended) {
  EXPECT_EQ(SplitClientList("alpha, beta gamma,,delta"),
            (std::vector<std::string>{"alpha", "betagamma", "delta"}));
  EXPECT_EQ(SplitClientList(", ,"), std::vector<std::string>{});
  EXPECT_EQ(ClientListNames("alpha, beta gamma,,delta "),
            (std::vector<std::string>{"alpha", "beta", "gamma", "delta"}));
  EXPECT_EQ(ClientListNames(", ,"), std::vector<std::string>{});

  std::string text = "alpha";
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
