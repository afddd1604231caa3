#include "portable/FrameLayout.h"

#include <algorithm>

FrameLayout ComputeFrameLayout(LayoutRect client, std::span<const int> topBarHeights, int statusHeight) {
  FrameLayout layout;
  int top = client.top;
  for (int height : topBarHeights) {
    layout.topBars.push_back({client.left, top, client.right, top + height});
    top += height;
  }
  const int statusTop = std::max(client.top, client.bottom - statusHeight);
  layout.statusBar = {client.left, statusTop, client.right, client.bottom};
  layout.pane = {client.left, std::min(top, statusTop), client.right, statusTop};
  return layout;
}
