#include "framework/FindFiles.h"

#include <memory>

namespace {
struct FindCloser {
  void operator()(HANDLE find) const noexcept { FindClose(find); }
};
}  // namespace

void ForEachFile(const std::string& pattern, const std::function<bool(const WIN32_FIND_DATAA&)>& visit) {
  WIN32_FIND_DATAA found;
  const HANDLE first = FindFirstFileA(pattern.c_str(), &found);
  if (first == INVALID_HANDLE_VALUE) return;
  const std::unique_ptr<void, FindCloser> find(first);
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && !visit(found)) return;
  } while (FindNextFileA(find.get(), &found));
}
