#include "printing/SpoolFiles.h"

#include <algorithm>

#include "portable/AsciiCase.h"
#include "portable/MbcsText.h"

namespace {

// Opening one of these in any directory reaches a device, not a file, also with
// an extension or trailing blanks, which Windows drops.
bool IsDeviceName(std::string_view name) {
  std::string_view stem = name.substr(0, name.find('.'));
  stem = stem.substr(0, stem.find_last_not_of(' ') + 1);
  for (std::string_view device : {"con", "prn", "aux", "nul", "clock$", "conin$", "conout$"})
    if (EqualsIgnoringAsciiCase(stem, device)) return true;
  if (stem.size() == 4 && stem[3] >= '1' && stem[3] <= '9')
    return EqualsIgnoringAsciiCase(stem.substr(0, 3), "com") || EqualsIgnoringAsciiCase(stem.substr(0, 3), "lpt");
  return false;
}

}  // namespace

bool MatchesControlFilePattern(std::string_view name) {
  return name.size() >= 6 && EqualsIgnoringAsciiCase(name.substr(0, 2), "cf") &&
         EqualsIgnoringAsciiCase(name.substr(name.size() - 4), ".nfs");
}

bool IsHandledControlFileName(std::string_view name) {
  return name.size() <= kMaxControlFileName && MatchesControlFilePattern(name) && IsSafeSpoolFileName(name);
}

bool IsSafeSpoolFileName(std::string_view name) {
  if (name.empty() || name == "." || name == ".." || IsDeviceName(name)) return false;
  const LeadByteSet& leadBytes = LeadBytes();
  for (size_t i = 0; i < name.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (leadBytes[c]) {
      ++i;  // the trail byte may look like a backslash and is none
      continue;
    }
    if (c == '\\' || c == '/' || c == ':' || c == '\0') return false;
  }
  return true;
}

std::string MakeSpoolPath(std::string_view spoolDirectory, std::string_view fileName) {
  std::string path(spoolDirectory);
  path += '\\';
  path += fileName;
  return path;
}
