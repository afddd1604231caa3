// The exports file's three writers at once, for a bounded time.
#include <gtest/gtest.h>

#include "tests/e2e/WriterSoak.h"

namespace {

// Every export a tool added and announced while the console deleted and edited
// is in the file exactly once, and no line is there twice.
TEST(Writers, ToolsAddingWhileTheConsoleChangesLoseAndDoubleNothing) {
  const SoakResult soak = RunWriterSoak(12000);
  EXPECT_EQ(soak.problem, "");
  EXPECT_GT(soak.added, 10);
  EXPECT_EQ(soak.failed, 0);
  EXPECT_EQ(soak.lost, 0);
  EXPECT_EQ(soak.doubled, 0);
}

}  // namespace
