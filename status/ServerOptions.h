#pragma once
// The service's five start-up options as the Server Options dialog shows and
// writes them: three switches as check boxes, then the two sizes as list items.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "portable/SharedWithService.h"

constexpr size_t kServerOptionCount = 5;
constexpr size_t kFirstSizeOption = 3;

// The registry values, in the dialog's order.
inline constexpr std::array<const char*, kServerOptionCount> kServerOptionNames = {
    kSupportNfs3Value, kSupportPcnfsdValue, kSupportNlmValue, kMaximumReadValue, kMaximumWriteValue};

// What the dialog takes for a value that is missing, or not a 4-byte integer:
// every switch on, both sizes "default".
constexpr int32_t DefaultOptionValue(size_t index) { return index < kFirstSizeOption ? 1 : 0; }

// What the dialog shows for a stored value and so writes back at OK: a switch
// other than 0 shows checked and is written 1; a size is clamped to the list,
// and one the list does not offer shows "default" and is written 0.
int32_t OptionValueAtOk(size_t index, int32_t stored);

// Why the dialog would not keep a stored value as it is; none when it would.
std::optional<std::string> OptionValueProblem(size_t index, int32_t value);
