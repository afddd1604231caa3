#include "app/InstallPath.h"

std::optional<std::string> JoinIniPath(std::string_view dir, std::string_view name, size_t bufferSize) {
  if (dir.size() + name.size() >= bufferSize) return std::nullopt;
  return std::string(dir) + std::string(name);
}

std::string JoinRegistryPath(std::string_view dir, std::string_view name) {
  std::string path(dir);
  if (path.empty() || path.back() != '\\') path += '\\';
  return path + std::string(name);
}
