#pragma once
// The service's five start-up options as the registry holds them, told apart
// from the values the Server Options dialog would take in their place.
#include <array>
#include <cstdint>
#include <optional>

#include "portable/SharedWithService.h"

// The values in the order of the dialog: three switches, then the two sizes.
inline constexpr std::array<const char*, 5> kServerOptionNames = {
    kSupportNfs3Value, kSupportPcnfsdValue, kSupportNlmValue, kMaximumReadValue, kMaximumWriteValue};
constexpr size_t kFirstSizeOption = 3;

// What the dialog starts from when a value is missing.
constexpr int32_t DefaultOptionValue(size_t index) { return index < kFirstSizeOption ? 1 : 0; }

// One stored value: a 4-byte REG_DWORD, missing, or of another type or size
// (which the dialog treats as missing, and the checker reports).
struct StoredOption {
  enum State { kMissing, kDword, kOtherType };
  State state = kMissing;
  int32_t value = 0;
};

// The five values, or none when the key cannot be opened for reading.
std::optional<std::array<StoredOption, 5>> ReadServerOptions();

// Whether the key opens for setting values: without that OK saves nothing.
bool ServerOptionsWritable();

// Sets one value as a REG_DWORD; false when the key or the value cannot be set.
bool WriteServerOption(const char* name, int32_t value);
