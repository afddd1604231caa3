// Any bytes taken in line pieces, against the plainest reading: one byte at a
// time, stopping after a line feed or at the piece's length, a carriage return
// at the end taking its line feed along. The first byte sets the length.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "portable/TextLine.h"

namespace {
std::string_view ByteByByte(std::string_view& rest, size_t maxBytes) {
  size_t length = 0;
  while (length < maxBytes && length < rest.size())
    if (rest[length++] == '\n') break;
  if (length > 0 && rest[length - 1] == '\r' && length < rest.size() && rest[length] == '\n') ++length;
  const std::string_view piece = rest.substr(0, length);
  rest.remove_prefix(length);
  return piece;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const size_t maxBytes = 1 + data[0] % 16;
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  LinePieces lines(rest);
  std::string_view piece;
  while (lines.Next(maxBytes, piece))
    if (piece != ByteByByte(rest, maxBytes)) std::abort();
  if (!rest.empty()) std::abort();
  return 0;
}
