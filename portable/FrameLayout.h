#pragma once
// Where a frame's bars and its pane go: toolbars stacked at the top, the status
// bar at the bottom, the pane in between. Portable, so it is tested natively.
#include <span>
#include <vector>

struct LayoutRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const LayoutRect&) const = default;
};

struct FrameLayout {
  std::vector<LayoutRect> topBars;
  LayoutRect statusBar;
  LayoutRect pane;
};

// Bars keep their heights; when the client area is too short the pane is empty
// and the status bar overlaps the toolbars rather than leaving the window.
FrameLayout ComputeFrameLayout(LayoutRect client, std::span<const int> topBarHeights, int statusHeight);
