#include "status/ServerOptionValues.h"

#include "framework/Handles.h"

namespace {
UniqueRegKey OpenServiceKey(REGSAM access) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kServiceKey, 0, access, &key) != ERROR_SUCCESS) return nullptr;
  return UniqueRegKey(key);
}

StoredOption Query(HKEY key, const char* name) {
  DWORD type = 0;
  DWORD data = 0;
  DWORD size = sizeof data;
  const LONG result = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
  if (result == ERROR_FILE_NOT_FOUND) return {};
  if (result != ERROR_SUCCESS || type != REG_DWORD || size != sizeof data) return {StoredOption::kOtherType, 0};
  return {StoredOption::kDword, static_cast<int32_t>(data)};
}
}  // namespace

std::optional<std::array<StoredOption, 5>> ReadServerOptions() {
  UniqueRegKey key = OpenServiceKey(KEY_QUERY_VALUE);
  if (!key) return std::nullopt;
  std::array<StoredOption, 5> options;
  for (size_t i = 0; i < options.size(); ++i) options[i] = Query(key.get(), kServerOptionNames[i]);
  return options;
}

bool ServerOptionsWritable() { return OpenServiceKey(KEY_SET_VALUE) != nullptr; }

bool WriteServerOption(const char* name, int32_t value) {
  UniqueRegKey key = OpenServiceKey(KEY_SET_VALUE);
  if (!key) return false;
  const DWORD data = static_cast<DWORD>(value);
  return RegSetValueExA(key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) ==
         ERROR_SUCCESS;
}
