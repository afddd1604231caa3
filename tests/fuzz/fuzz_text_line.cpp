// Any bytes read in line pieces, against the plainest reading: one byte at a
// time, stopping after a line feed or at the piece's length, a carriage return
// at the end taking its line feed along. The first byte sets the length.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "portable/TextLine.h"

namespace {
bool ByteByByte(std::FILE* file, size_t maxBytes, std::string& line) {
  line.clear();
  int c = EOF;
  while (line.size() < maxBytes && (c = std::getc(file)) != EOF) {
    line += static_cast<char>(c);
    if (c == '\n') return true;
  }
  if (!line.empty() && line.back() == '\r') {
    const int next = std::getc(file);
    if (next == '\n')
      line += '\n';
    else if (next != EOF)
      std::ungetc(next, file);
  }
  return !line.empty();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const size_t maxBytes = 1 + data[0] % 16;
  std::FILE* a = fmemopen(const_cast<uint8_t*>(data + 1), size - 1, "rb");
  std::FILE* b = fmemopen(const_cast<uint8_t*>(data + 1), size - 1, "rb");
  if (!a || !b) std::abort();
  std::string pieceA, pieceB;
  bool more = true;
  while (more) {
    more = ReadLinePiece(a, maxBytes, pieceA);
    if (more != ByteByByte(b, maxBytes, pieceB) || (more && pieceA != pieceB)) std::abort();
  }
  std::fclose(a);
  std::fclose(b);
  return 0;
}
