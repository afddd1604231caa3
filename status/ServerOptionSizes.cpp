#include "status/ServerOptionSizes.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>

int32_t ClampBufferSize(int32_t size) { return std::clamp<int32_t>(size, 0, kMaxBufferSize); }

int BufferSizeItemFor(int32_t storedSize) {
  const std::string text = std::to_string(ClampBufferSize(storedSize));
  for (size_t i = 0; i < kBufferSizeItems.size(); ++i)
    if (std::string_view(kBufferSizeItems[i]).starts_with(text)) return static_cast<int>(i);
  return 0;
}

int32_t BufferSizeOfItem(int item) {
  if (item <= 0 || item >= static_cast<int>(kBufferSizeItems.size())) return 0;
  return std::atoi(kBufferSizeItems[static_cast<size_t>(item)]);
}
