#include <gtest/gtest.h>

#include "portable/FrameLayout.h"
#include "portable/InstallPath.h"
#include "tests/core/CoreTestSupport.h"

namespace {

TEST(InstallPath, IniPathsAppendBlindlyRegistryPathsAddABackslashOnlyWhenMissing) {
  EXPECT_EQ(JoinIniPath("", "\\exports", 80), "\\exports");
  EXPECT_EQ(JoinIniPath("C:\\srv\\", "\\exports", 80), "C:\\srv\\\\exports");
  const std::string fits(71, 'd');
  EXPECT_EQ(JoinIniPath(fits, "\\exports", 80), fits + "\\exports");
  EXPECT_FALSE(JoinIniPath(fits + "d", "\\exports", 80));

  EXPECT_EQ(JoinRegistryPath("D:\\srv\\", "mountd.list"), "D:\\srv\\mountd.list");
  EXPECT_EQ(JoinRegistryPath("D:\\srv", "mountd.list"), "D:\\srv\\mountd.list");
  EXPECT_EQ(JoinRegistryPath("", "Lock.NLM"), "\\Lock.NLM");
  // 250 + 1 + 8 = 259 bytes and the NUL fit; one more does not.
  EXPECT_TRUE(JoinRegistryPath(std::string(250, 'd'), "Lock.NLM"));
  EXPECT_FALSE(JoinRegistryPath(std::string(251, 'd'), "Lock.NLM"));

  // A trail byte that looks like a backslash does not end the directory.
  const ShiftJisScope shiftJis;
  EXPECT_EQ(JoinRegistryPath("D:\\\x95\x5c", "Lock.NLM"), "D:\\\x95\x5c\\Lock.NLM");
}

TEST(FrameLayout, BarsStackAtTheTopAndThePaneTakesTheRest) {
  const int bars[] = {27, 27};
  FrameLayout layout = ComputeFrameLayout({0, 0, 640, 480}, bars, 20);
  EXPECT_EQ(layout.topBars[0], (LayoutRect{0, 0, 640, 27}));
  EXPECT_EQ(layout.topBars[1], (LayoutRect{0, 27, 640, 54}));
  EXPECT_EQ(layout.statusBar, (LayoutRect{0, 460, 640, 480}));
  EXPECT_EQ(layout.pane, (LayoutRect{0, 54, 640, 460}));

  // Too short for everything: the pane is empty, never inverted.
  layout = ComputeFrameLayout({0, 0, 640, 60}, bars, 20);
  EXPECT_EQ(layout.pane.top, layout.pane.bottom);
  EXPECT_EQ(layout.statusBar, (LayoutRect{0, 40, 640, 60}));
}

}  // namespace
