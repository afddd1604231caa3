#include "framework/RegKey.h"

#include <cstring>
#include <vector>

bool CRegKey::Open(HKEY root, const char* path, REGSAM access) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, path, 0, access, &opened) != ERROR_SUCCESS) return false;
  key_.reset(opened);
  return true;
}

std::optional<std::string> CRegKey::QueryString(const char* name, size_t maxBytes) const {
  if (!key_) return std::nullopt;
  std::vector<char> text(maxBytes, '\0');
  DWORD size = static_cast<DWORD>(maxBytes);
  if (RegQueryValueExA(key_.get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(text.data()), &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  return std::string(text.data(), strnlen(text.data(), size));
}

std::optional<DWORD> CRegKey::QueryDword(const char* name) const {
  if (!key_) return std::nullopt;
  DWORD type = 0, value = 0, size = sizeof value;
  if (RegQueryValueExA(key_.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof value)
    return std::nullopt;
  return value;
}

bool CRegKey::SetDword(const char* name, DWORD value) {
  return key_ && RegSetValueExA(key_.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                sizeof value) == ERROR_SUCCESS;
}
