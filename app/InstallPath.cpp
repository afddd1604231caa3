#include "app/InstallPath.h"

#include "portable/MbcsText.h"

namespace {
// The last character is a backslash, and not the trail byte of a double-byte one.
bool EndsWithBackslash(std::string_view text) {
  bool last = false;
  for (size_t i = 0; i < text.size(); ++i) {
    last = text[i] == '\\';
    if (LeadBytes()[static_cast<unsigned char>(text[i])]) ++i;
  }
  return last;
}
}  // namespace

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
