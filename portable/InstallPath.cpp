#include "portable/InstallPath.h"

#include "portable/MbcsText.h"

std::optional<std::string> JoinIniPath(std::string_view dir, std::string_view name, size_t bufferSize) {
  if (dir.size() + name.size() >= bufferSize) return std::nullopt;
  return std::string(dir) + std::string(name);
}

std::optional<std::string> JoinRegistryPath(std::string_view dir, std::string_view name) {
  std::string path(dir);
  if (!EndsWithBackslash(dir)) path += '\\';
  path += name;
  if (path.size() >= kMaxRegistryPath) return std::nullopt;
  return path;
}
