#include "tools/nfsctl/StoredOptions.h"

#include "framework/RegKey.h"

namespace {
// Longer than any value the checker needs to see to know that it is there.
constexpr size_t kAnyValueBytes = 4096;
}  // namespace

std::optional<std::array<StoredOption, 5>> ReadServerOptions() {
  CRegKey key;
  if (!key.Open(HKEY_LOCAL_MACHINE, kServiceKey, KEY_QUERY_VALUE)) return std::nullopt;
  std::array<StoredOption, 5> options;
  for (size_t i = 0; i < options.size(); ++i) {
    if (const auto value = key.QueryDword(kServerOptionNames[i]))
      options[i] = {StoredOption::kDword, static_cast<int32_t>(*value)};
    else if (key.QueryString(kServerOptionNames[i], kAnyValueBytes))
      options[i] = {StoredOption::kOtherType, 0};
  }
  return options;
}

bool ServerOptionsWritable() {
  CRegKey key;
  return key.Open(HKEY_LOCAL_MACHINE, kServiceKey, KEY_SET_VALUE);
}

bool WriteServerOption(const char* name, int32_t value) {
  CRegKey key;
  return key.Open(HKEY_LOCAL_MACHINE, kServiceKey, KEY_SET_VALUE) && key.SetDword(name, static_cast<DWORD>(value));
}
