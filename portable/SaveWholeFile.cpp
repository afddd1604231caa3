#include "portable/SaveWholeFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {
bool WriteAll(const char* path, std::string_view bytes) {
  std::FILE* file = std::fopen(path, "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return (std::fclose(file) == 0) && written;
}

std::string Unchanged(const std::string& error) { return error + "; the file on disk is unchanged"; }

std::string Folder(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

#ifdef _WIN32
std::string SystemText(DWORD error) {
  char text[256] = "";
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, error, 0, text, sizeof text, nullptr);
  std::string result(text, length);
  while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == '.'))
    result.pop_back();
  return result.empty() ? "error " + std::to_string(error) : result;
}

// Writes bytes over the open file's content and closes it: 0, or the system's error.
DWORD WriteOver(HANDLE file, std::string_view bytes) {
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size() && SetEndOfFile(file) && FlushFileBuffers(file);
  const DWORD error = ok ? 0 : GetLastError();
  CloseHandle(file);
  return error;
}
#endif
}  // namespace

#ifdef _WIN32
// ReplaceFileA keeps the old file's attributes and security; it cannot replace a
// file that does not exist yet, nor work on every file system, so a plain rename
// over the old file follows when it fails.
std::string SaveWholeFile(const std::string& path, std::string_view bytes) {
  // Windows refuses to replace a read-only file; Wine would rename over it.
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    return Unchanged(SystemText(ERROR_ACCESS_DENIED));
  char temporary[MAX_PATH];
  if (GetTempFileNameA(Folder(path).c_str(), "nfs", 0, temporary) == 0)
    return Unchanged(SystemText(GetLastError()));
  if (!WriteAll(temporary, bytes)) {
    const std::string error = std::strerror(errno);
    DeleteFileA(temporary);
    return Unchanged(error);
  }
  if (ReplaceFileA(path.c_str(), temporary, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) ||
      MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return {};
  const DWORD error = GetLastError();
  // Another program (the NFS service among them) may hold the file open while
  // letting others write, as the C library opens files: then it is rewritten in
  // place, the whole new content being safe beside it should that fail.
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    DeleteFileA(temporary);
    return Unchanged(SystemText(error));
  }
  if (const DWORD inPlace = WriteOver(file, bytes))
    return SystemText(inPlace) + "; the file on disk may be cut short, its new content is kept in " + temporary;
  DeleteFileA(temporary);
  return {};
}
#else
std::string SaveWholeFile(const std::string& path, std::string_view bytes) {
  std::string temporary = Folder(path) + "/.nfsXXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) return Unchanged(std::strerror(errno));
  close(fd);
  if (!WriteAll(temporary.c_str(), bytes) || std::rename(temporary.c_str(), path.c_str()) != 0) {
    const std::string error = std::strerror(errno);
    std::remove(temporary.c_str());
    return Unchanged(error);
  }
  return {};
}
#endif
