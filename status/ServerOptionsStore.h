#pragma once
// The five option values in the registry, read and written for the Server
// Options dialog and nfsctl alike.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "status/ServerOptions.h"

// One stored value: a 4-byte REG_DWORD, missing, or of another type or size,
// which the dialog takes as missing.
struct StoredOption {
  enum State { kMissing, kDword, kOtherType };
  State state = kMissing;
  int32_t value = 0;        // kDword only
  std::string description;  // kOtherType only: its type and data, say REG_SZ "0"
};
using StoredOptions = std::array<StoredOption, kServerOptionCount>;

// The five values in the dialog's order; none when the key cannot be opened
// for reading.
std::optional<StoredOptions> ReadServerOptions();

// What the dialog starts from: the stored 4-byte values as it shows them, the
// defaults for the rest (all of them without the key).
std::array<int32_t, kServerOptionCount> OptionValuesShown(const std::optional<StoredOptions>& stored);

// Whether the key opens for setting values: without that OK saves nothing.
bool ServerOptionsWritable();

// Sets one value, or all five, as REG_DWORDs; false when the key or a value
// cannot be set.
bool WriteServerOption(const char* name, int32_t value);
bool WriteServerOptions(const std::array<int32_t, kServerOptionCount>& values);
