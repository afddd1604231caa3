#pragma once
// Files as the Windows tests prepare them and read them back: whole, byte for byte.
#include <windows.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

// A file's bytes; none when it cannot be read (gone, say).
inline std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(file), {});
}

// Writes bytes as the whole file, creating the folders of its path.
inline void WriteFile(const std::string& path, const std::string& bytes) {
  for (size_t slash = path.find('\\', 3); slash != std::string::npos; slash = path.find('\\', slash + 1))
    CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
  std::ofstream(path, std::ios::binary) << bytes;
}

inline bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
