// The diff that nfsctl's --what-if prints.
#include <gtest/gtest.h>

#include "tools/nfsctl/UnifiedDiff.h"

namespace {

TEST(UnifiedDiff, OneHunkWithThreeLinesOfContext) {
  struct Case {
    const char* before;
    const char* after;
    const char* hunk;
  };
  const Case cases[] = {
      {"a\nb\n", "a\r\nb\r\n", ""},
      {"", "x\n", "@@ -0,0 +1,1 @@\n+x\n"},
      {"1\n2\n3\n4\n5\n", "1\n2\n3\n4\n5\n6\n", "@@ -3,3 +3,4 @@\n 3\n 4\n 5\n+6\n"},
      {"1\n2\n3\n4\n5\n6\n7\n8\n", "1\n2\n3\n4\n6\n7\n8\n", "@@ -2,7 +2,6 @@\n 2\n 3\n 4\n-5\n 6\n 7\n 8\n"},
      {"x\n", "", "@@ -1,1 +0,0 @@\n-x\n"},
      {"a\nb\n", "a\nc", "@@ -1,2 +1,2 @@\n a\n-b\n+c\n"},
  };
  for (const Case& c : cases) {
    const std::string diff = UnifiedDiff("f", c.before, c.after);
    EXPECT_EQ(diff, *c.hunk ? std::string("--- f\n+++ f\n") + c.hunk : "") << c.before << "|" << c.after;
  }
}

}  // namespace
