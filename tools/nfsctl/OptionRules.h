#pragma once
// Which stored option values the Server Options dialog shows as they are. The
// dialog has a check box for each switch and a list of sizes; any other value
// is shown as something else and written back changed at the next OK.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// index: the order of the dialog, three switches then the two sizes.
std::optional<std::string> OptionValueProblem(size_t index, int32_t value);

// What the dialog shows, and writes back at OK, for a stored size.
int32_t ShownBufferSize(int32_t stored);
