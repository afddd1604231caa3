#include "app/InstallDirs.h"

#include "app/InstallPath.h"
#include "framework/Handles.h"
#include "status/SharedWithService.h"

std::string IniInstallDir() {
  // Longer than any usable directory, so that a too-long one is seen whole and refused.
  char dir[1024];
  const DWORD length = GetPrivateProfileStringA(kIniInstallSection, kIniInstallDirKey, "", dir,
                                                sizeof dir, kIniFileName);
  return std::string(dir, length);
}

std::optional<std::string> IniInstallPath(const char* name, size_t bufferSize) {
  return JoinIniPath(IniInstallDir(), name, bufferSize);
}

std::optional<std::string> RegistryInstallDir() {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kInstallDirKey, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
    return std::nullopt;
  UniqueRegKey key(opened);
  char dir[MAX_PATH] = {};
  DWORD size = sizeof dir;
  if (RegQueryValueExA(key.get(), kInstallDirValue, nullptr, nullptr,
                       reinterpret_cast<BYTE*>(dir), &size) != ERROR_SUCCESS)
    return std::nullopt;
  // The value's own terminator is not guaranteed.
  return std::string(dir, strnlen(dir, size));
}

std::optional<std::string> RegistryInstallPath(const char* name) {
  const std::optional<std::string> dir = RegistryInstallDir();
  return dir ? JoinRegistryPath(*dir, name) : std::nullopt;
}
