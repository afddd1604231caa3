#pragma once
// Temporary files holding given bytes, for the readers that take an open stream.
#include <cstdio>
#include <memory>
#include <string>

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

inline File FileWith(const std::string& bytes) {
  File f(std::tmpfile(), &std::fclose);
  std::fwrite(bytes.data(), 1, bytes.size(), f.get());
  std::rewind(f.get());
  return f;
}
