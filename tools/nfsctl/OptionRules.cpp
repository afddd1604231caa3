#include "tools/nfsctl/OptionRules.h"

#include "status/ServerOptionSizes.h"

namespace {
constexpr size_t kSwitches = 3;
}  // namespace

int32_t ShownBufferSize(int32_t stored) { return BufferSizeOfItem(BufferSizeItemFor(stored)); }

std::optional<std::string> OptionValueProblem(size_t index, int32_t value) {
  if (index < kSwitches) {
    if (value == 0 || value == 1) return std::nullopt;
    return std::to_string(value) + " is not a switch value (0 or 1)";
  }
  if (ClampBufferSize(value) != value)
    return std::to_string(value) + " is out of 0 to 64: the console shows and writes back " +
           std::to_string(ShownBufferSize(value));
  if (ShownBufferSize(value) != value)
    return std::to_string(value) + " is not in the console's list (default, 1-10, 12-32 by 2, 36-64 by 4): "
                                   "it shows \"default\" and writes back 0";
  return std::nullopt;
}
