#include "framework/FileLock.h"

#include <cstdio>
#include <vector>

#include "portable/FileFingerprint.h"

namespace {
// Object names are short and hold no '\': the path's hash names the lock.
std::string LockName(const std::string& path) {
  char full[MAX_PATH * 2];
  const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  const std::string whole = length > 0 && length < sizeof full ? std::string(full, length) : path;
  // Upper-cased as wide text, as the file system compares names, double-byte ones included.
  const int wide = MultiByteToWideChar(CP_ACP, 0, whole.data(), static_cast<int>(whole.size()), nullptr, 0);
  std::vector<wchar_t> name(static_cast<size_t>(wide));
  MultiByteToWideChar(CP_ACP, 0, whole.data(), static_cast<int>(whole.size()), name.data(), wide);
  CharUpperBuffW(name.data(), static_cast<DWORD>(name.size()));
  const uint64_t hash = HashOfBytes({reinterpret_cast<const char*>(name.data()), name.size() * sizeof(wchar_t)});
  char text[48];
  std::snprintf(text, sizeof text, "Local\\nfs-shared-file-%016llx", static_cast<unsigned long long>(hash));
  return text;
}
}  // namespace

std::optional<FileLock> FileLock::Take(const std::string& path) {
  HANDLE mutex = CreateMutexA(nullptr, FALSE, LockName(path).c_str());
  if (!mutex) return std::nullopt;
  const DWORD waited = WaitForSingleObject(mutex, kWaitMilliseconds);
  if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
    CloseHandle(mutex);
    return std::nullopt;
  }
  return FileLock(mutex);
}

std::string FileBusyText(const std::string& path) {
  return "another program has been changing " + path + " for more than " +
         std::to_string(FileLock::kWaitMilliseconds / 1000) + " seconds; try again";
}
