#include "portable/WholeFile.h"

namespace {
// The bytes left from the current position, as a first guess of the size to read:
// in text mode fewer may arrive.
long BytesLeft(std::FILE* file) {
  const long position = std::ftell(file);
  if (position < 0 || std::fseek(file, 0, SEEK_END) != 0) return 0;
  const long end = std::ftell(file);
  std::fseek(file, position, SEEK_SET);
  return end > position ? end - position : 0;
}
}  // namespace

std::optional<std::string> ReadWholeFile(std::FILE* file) {
  // One read into a buffer of the file's size, then in blocks should it have grown.
  std::string bytes(static_cast<size_t>(BytesLeft(file)) + 1, '\0');
  size_t size = 0;
  while (size_t n = std::fread(bytes.data() + size, 1, bytes.size() - size, file)) {
    size += n;
    if (size == bytes.size()) bytes.resize(2 * size);
  }
  if (std::ferror(file)) return std::nullopt;
  bytes.resize(size);
  return bytes;
}
