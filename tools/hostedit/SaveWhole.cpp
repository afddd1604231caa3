#include "tools/hostedit/SaveWhole.h"

#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
std::string SystemText(DWORD error) {
  char text[256] = "";
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, error, 0, text, sizeof text, nullptr);
  std::string result(text, length);
  while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == '.'))
    result.pop_back();
  return result.empty() ? "error " + std::to_string(error) : result;
}

bool WriteAll(const char* path, std::string_view text) {
  std::FILE* file = std::fopen(path, "wb");
  if (!file) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return (std::fclose(file) == 0) && written;
}
}  // namespace

std::string SaveWhole(const std::string& path, std::string_view text) {
  const size_t slash = path.find_last_of("\\/");
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
  char temporary[MAX_PATH];
  if (GetTempFileNameA(folder.c_str(), "hst", 0, temporary) == 0)
    return SystemText(GetLastError());
  if (!WriteAll(temporary, text)) {
    const std::string error = std::strerror(errno);
    DeleteFileA(temporary);
    return error;
  }
  if (!MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const DWORD error = GetLastError();
    DeleteFileA(temporary);
    return SystemText(error);
  }
  return {};
}
