#include "tools/nfsctl/SpoolDirectory.h"

#include <windows.h>

#include <memory>

namespace {
struct FindCloser {
  void operator()(HANDLE find) const noexcept { FindClose(find); }
};
}  // namespace

std::vector<std::string> SpoolFileNames(const std::string& directory, const char* pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  const HANDLE first = FindFirstFileA((directory + "\\" + pattern).c_str(), &found);
  if (first == INVALID_HANDLE_VALUE) return names;
  std::unique_ptr<void, FindCloser> find(first);
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (FindNextFileA(find.get(), &found));
  return names;
}
