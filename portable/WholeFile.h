#pragma once
// Reading a file whole: the shared files before a change, the service's status
// files, the hosts file.
#include <cstdio>
#include <optional>
#include <string>

// Every byte from the current position to the end; none at a read error.
std::optional<std::string> ReadWholeFile(std::FILE* file);

// Text mode turns CR LF into LF and ends at a Ctrl+Z on Windows, as the console
// has always read the exports, passwd and group files.
enum class ReadMode { kBinary, kText };

// A file read whole by its path.
struct PathRead {
  std::optional<std::string> bytes;  // none: not read
  int error = 0;                     // then errno of the open (ENOENT: no such file), or 0: the read failed

  bool Missing() const;
};
PathRead ReadWholeFileAt(const std::string& path, ReadMode mode = ReadMode::kBinary);
