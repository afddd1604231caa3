#include "status/ServiceFile.h"

#include "framework/InstallDirs.h"
#include "portable/UniqueFile.h"
#include "portable/WholeFile.h"

std::optional<std::string> ReadServiceFile(const char* name, const char* mode) {
  const std::optional<std::string> path = RegistryInstallPath(name);
  if (!path) return std::nullopt;
  const UniqueFile file(std::fopen(path->c_str(), mode));
  if (!file) return std::nullopt;
  return ReadWholeFile(file.get());
}
