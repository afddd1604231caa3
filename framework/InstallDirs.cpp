#include "framework/InstallDirs.h"

#include "framework/RegKey.h"
#include "portable/InstallPath.h"
#include "portable/SharedWithService.h"

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
  CRegKey key;
  if (!key.Open(HKEY_LOCAL_MACHINE, kInstallDirKey, KEY_QUERY_VALUE)) return std::nullopt;
  return key.QueryString(kInstallDirValue, MAX_PATH);
}

std::optional<std::string> RegistryInstallPath(const char* name) {
  const std::optional<std::string> dir = RegistryInstallDir();
  return dir ? JoinRegistryPath(*dir, name) : std::nullopt;
}
