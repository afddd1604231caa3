#include "portable/WholeFile.h"

#include <cerrno>

#include "portable/UniqueFile.h"

namespace {
// The bytes left from the current position: in text mode fewer may arrive.
size_t BytesLeft(std::FILE* file) {
  const long position = std::ftell(file);
  if (position < 0 || std::fseek(file, 0, SEEK_END) != 0) return 0;
  const long end = std::ftell(file);
  std::fseek(file, position, SEEK_SET);
  return end > position ? static_cast<size_t>(end - position) : 0;
}
}  // namespace

std::optional<std::string> ReadWholeFile(std::FILE* file) {
  std::string bytes;
  char block[64 * 1024];
  for (size_t n; (n = std::fread(block, 1, sizeof block, file)) > 0;) {
    // More than a block: room for the rest at once rather than by doubling.
    if (bytes.empty() && n == sizeof block) bytes.reserve(n + BytesLeft(file));
    bytes.append(block, n);
  }
  if (std::ferror(file)) return std::nullopt;
  return bytes;
}

bool PathRead::Missing() const { return !bytes && error == ENOENT; }

PathRead ReadWholeFileAt(const std::string& path, ReadMode mode) {
  const UniqueFile file(std::fopen(path.c_str(), mode == ReadMode::kText ? "rt" : "rb"));
  if (!file) return {std::nullopt, errno};
  return {ReadWholeFile(file.get()), 0};
}
