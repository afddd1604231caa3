#include "tools/nfsctl/SpoolDirectory.h"

#include "framework/FindFiles.h"

std::vector<std::string> SpoolFileNames(const std::string& directory, const char* pattern) {
  std::vector<std::string> names;
  ForEachFile(directory + "\\" + pattern, [&names](const WIN32_FIND_DATAA& found) {
    names.push_back(found.cFileName);
    return true;
  });
  return names;
}
