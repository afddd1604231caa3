#include "status/UnlockFile.h"

#include <io.h>

#include <cstdio>

#include "framework/ChangeHistory.h"
#include "portable/UniqueFile.h"

UnlockAppend AppendUnlockRequest(const std::string& path, const std::string& bytes) {
  // "c": each flush commits the data to the disk.
  const UniqueFile file(std::fopen(path.c_str(), "abc"));
  if (!file) return UnlockAppend::kNotOpened;
  const int handle = _fileno(file.get());
  const long long oldLength = _filelengthi64(handle);
  // Unbuffered, so that nothing of a failed write is left to go out at the close.
  std::setvbuf(file.get(), nullptr, _IONBF, 0);
  if (oldLength >= 0 && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
      std::fflush(file.get()) == 0) {
    RecordVersion(path, {}, bytes);
    return UnlockAppend::kAppended;
  }
  std::clearerr(file.get());
  if (oldLength >= 0) _chsize_s(handle, oldLength);
  return UnlockAppend::kWriteFailed;
}
