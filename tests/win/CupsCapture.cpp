#include "tests/win/CupsCapture.h"

#include <algorithm>
#include <cstdlib>

#include "tests/common/WholeFiles.h"

CupsCapture::CupsCapture(const std::string& queue) {
  const char* out = std::getenv("NFS_CUPS_OUT");
  folder_ = "Z:" + std::string(out ? out : "/nonexistent") + "/" + queue;
  std::replace(folder_.begin(), folder_.end(), '/', '\\');
  seen_ = JobIds();
}

std::set<int> CupsCapture::JobIds() const {
  std::set<int> ids;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((folder_ + "\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return ids;
  do {
    // Only whole jobs: partial files start with a dot, texts end in .txt.
    const std::string name = found.cFileName;
    if (std::all_of(name.begin(), name.end(), ::isdigit)) ids.insert(std::stoi(name));
  } while (FindNextFileA(find, &found));
  FindClose(find);
  return ids;
}

std::vector<CapturedJob> CupsCapture::Take(size_t count, DWORD timeoutMs) {
  std::set<int> fresh;
  for (DWORD waited = 0; fresh.size() < count && waited <= timeoutMs; waited += 50) {
    if (waited) Sleep(50);
    fresh = JobIds();
    for (int id : seen_) fresh.erase(id);
  }
  std::vector<CapturedJob> jobs;
  for (int id : fresh) {
    const std::string path = folder_ + "\\" + std::to_string(id);
    jobs.push_back({ReadFile(path).value_or(""), ReadFile(path + ".txt").value_or("")});
    seen_.insert(id);
  }
  return jobs;
}
