#include "status/ServerOptionsStore.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/Handles.h"

namespace {

// Enough of a value's data to describe it to a person.
constexpr DWORD kDescribedBytes = 64;

UniqueRegKey OpenOptionsKey(REGSAM access) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kServiceKey, 0, access, &opened) != ERROR_SUCCESS) return nullptr;
  return UniqueRegKey(opened);
}

std::string TypeName(DWORD type) {
  switch (type) {
    case REG_SZ: return "REG_SZ";
    case REG_EXPAND_SZ: return "REG_EXPAND_SZ";
    case REG_BINARY: return "REG_BINARY";
    case REG_DWORD: return "REG_DWORD";
    case REG_MULTI_SZ: return "REG_MULTI_SZ";
    case REG_QWORD: return "REG_QWORD";
    default: return "type " + std::to_string(type);
  }
}

// A text type with its text, any other with its size.
std::string Describe(DWORD type, const std::vector<char>& data, DWORD size) {
  if (type == REG_SZ || type == REG_EXPAND_SZ)
    return TypeName(type) + " \"" + std::string(data.data(), strnlen(data.data(), std::min(size, kDescribedBytes))) +
           "\"";
  return TypeName(type) + " of " + std::to_string(size) + " bytes";
}

StoredOption ReadOption(HKEY key, const char* name) {
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
  std::vector<char> data(std::max<DWORD>(size, kDescribedBytes) + 1, '\0');
  DWORD read = static_cast<DWORD>(data.size() - 1);
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &read) != ERROR_SUCCESS)
    return {};
  if (type == REG_DWORD && read == sizeof(int32_t)) {
    int32_t value = 0;
    std::memcpy(&value, data.data(), sizeof value);
    return {StoredOption::kDword, value, {}};
  }
  return {StoredOption::kOtherType, 0, Describe(type, data, read)};
}

bool SetDword(HKEY key, const char* name, int32_t value) {
  const auto bits = static_cast<DWORD>(value);
  return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&bits), sizeof bits) ==
         ERROR_SUCCESS;
}

}  // namespace

std::optional<StoredOptions> ReadServerOptions() {
  const UniqueRegKey key = OpenOptionsKey(KEY_QUERY_VALUE);
  if (!key) return std::nullopt;
  StoredOptions options;
  for (size_t i = 0; i < options.size(); ++i) options[i] = ReadOption(key.get(), kServerOptionNames[i]);
  return options;
}

std::array<int32_t, kServerOptionCount> OptionValuesShown(const std::optional<StoredOptions>& stored) {
  std::array<int32_t, kServerOptionCount> values{};
  for (size_t i = 0; i < values.size(); ++i)
    values[i] = stored && (*stored)[i].state == StoredOption::kDword ? OptionValueAtOk(i, (*stored)[i].value)
                                                                     : DefaultOptionValue(i);
  return values;
}

bool ServerOptionsWritable() { return OpenOptionsKey(KEY_SET_VALUE) != nullptr; }

bool WriteServerOption(const char* name, int32_t value) {
  const UniqueRegKey key = OpenOptionsKey(KEY_SET_VALUE);
  return key && SetDword(key.get(), name, value);
}

bool WriteServerOptions(const std::array<int32_t, kServerOptionCount>& values) {
  const UniqueRegKey key = OpenOptionsKey(KEY_SET_VALUE);
  if (!key) return false;
  bool written = true;
  for (size_t i = 0; i < values.size(); ++i) written = SetDword(key.get(), kServerOptionNames[i], values[i]) && written;
  return written;
}
