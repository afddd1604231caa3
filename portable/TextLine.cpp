#include "portable/TextLine.h"

namespace {
// How many bytes fgets stored in buffer, which was filled with line feeds before
// the call: a line feed is only ever the last byte that fgets stores, so the
// first one in buffer is either that byte (followed by the terminating zero) or
// the filling just after the terminating zero. Zero bytes read from the file
// thus count as bytes of the piece.
size_t StoredLength(std::string_view buffer) {
  const size_t first = buffer.find('\n');
  if (first + 1 < buffer.size() && buffer[first + 1] == '\0') return first + 1;
  return first - 1;
}
}  // namespace

bool ReadLinePiece(std::FILE* file, size_t maxBytes, std::string& line) {
  line.assign(maxBytes + 2, '\n');
  if (!std::fgets(line.data(), static_cast<int>(maxBytes + 1), file)) {
    line.clear();
    return false;
  }
  line.resize(StoredLength(line));
  if (line.back() == '\n') return true;
  if (line.back() == '\r') {
    const int next = std::getc(file);
    if (next == '\n')
      line += '\n';
    else if (next != EOF)
      std::ungetc(next, file);
  }
  return !line.empty() && !std::ferror(file);
}

bool EndsLine(std::string_view piece) {
  return !piece.empty() && (piece.back() == '\n' || piece.back() == '\r');
}

std::string_view WithoutLineEnd(std::string_view piece) {
  if (piece.ends_with("\r\n")) return piece.substr(0, piece.size() - 2);
  if (EndsLine(piece)) return piece.substr(0, piece.size() - 1);
  return piece;
}
