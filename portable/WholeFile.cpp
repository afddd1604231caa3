#include "portable/WholeFile.h"

std::optional<std::string> ReadWholeFile(std::FILE* file) {
  std::string bytes;
  char block[64 * 1024];
  size_t n;
  while ((n = std::fread(block, 1, sizeof block, file)) > 0) bytes.append(block, n);
  if (std::ferror(file)) return std::nullopt;
  return bytes;
}
