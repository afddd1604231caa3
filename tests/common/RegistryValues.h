#pragma once
// Values under HKEY_LOCAL_MACHINE as the Windows tests set and read them.
#include <windows.h>

#include <optional>
#include <string>

// Any type with any bytes, as a hand-edited registry may hold (a REG_SZ gets its
// terminating zero); the key is made when missing.
inline void SetRegistryValue(const char* key, const char* name, const std::string& bytes, DWORD type = REG_SZ) {
  HKEY opened = nullptr;
  if (RegCreateKeyA(HKEY_LOCAL_MACHINE, key, &opened) != ERROR_SUCCESS) return;
  const std::string data = type == REG_SZ ? bytes + '\0' : bytes;
  RegSetValueExA(opened, name, 0, type, reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
  RegCloseKey(opened);
}

inline void SetRegistryValue(const char* key, const char* name, DWORD value) {
  SetRegistryValue(key, name, std::string(reinterpret_cast<const char*>(&value), sizeof value), REG_DWORD);
}

// A REG_DWORD; none when missing or of another type.
inline std::optional<DWORD> RegistryDword(const char* key, const char* name) {
  DWORD value = 0, size = sizeof value;
  if (RegGetValueA(HKEY_LOCAL_MACHINE, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return value;
}

inline void DeleteRegistryKey(const char* key) { RegDeleteKeyA(HKEY_LOCAL_MACHINE, key); }
