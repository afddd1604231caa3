#include "status/ServiceFilePath.h"

#include "framework/MbcsText.h"

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

std::optional<std::string> ServiceFilePath(std::string_view installDirectory,
                                           std::string_view fileName) {
  std::string path(installDirectory);
  if (!EndsWithBackslash(installDirectory)) path += '\\';
  path += fileName;
  if (path.size() >= kMaxServiceFilePath) return std::nullopt;
  return path;
}
