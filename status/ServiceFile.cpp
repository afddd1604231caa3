#include "status/ServiceFile.h"

#include "framework/InstallDirs.h"
#include "portable/WholeFile.h"

std::optional<std::string> ReadServiceFile(const char* name) {
  const std::optional<std::string> path = RegistryInstallPath(name);
  if (!path) return std::nullopt;
  return ReadWholeFileAt(*path).bytes;
}
