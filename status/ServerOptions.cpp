#include "status/ServerOptions.h"

#include "status/ServerOptionSizes.h"

int32_t OptionValueAtOk(size_t index, int32_t stored) {
  if (index < kFirstSizeOption) return stored != 0 ? 1 : 0;
  return BufferSizeOfItem(BufferSizeItemFor(stored));
}

std::optional<std::string> OptionValueProblem(size_t index, int32_t value) {
  const int32_t atOk = OptionValueAtOk(index, value);
  if (atOk == value) return std::nullopt;
  const std::string written = "the console shows and writes back " + std::to_string(atOk);
  if (index < kFirstSizeOption) return std::to_string(value) + " is not a switch value (0 or 1): " + written;
  if (ClampBufferSize(value) != value) return std::to_string(value) + " is out of 0 to 64: " + written;
  return std::to_string(value) +
         " is not in the console's list (default, 1-10, 12-32 by 2, 36-64 by 4): it shows \"default\" and "
         "writes back 0";
}
