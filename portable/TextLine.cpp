#include "portable/TextLine.h"

bool ReadLinePiece(std::FILE* file, size_t maxBytes, std::string& line) {
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
