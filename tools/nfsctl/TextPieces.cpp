#include "tools/nfsctl/TextPieces.h"

#include "portable/TextLine.h"

std::vector<TextPiece> NumberedPieces(std::string_view bytes, size_t maxBytes) {
  std::vector<TextPiece> pieces;
  size_t line = 1;
  LinePieces lines(bytes);
  for (std::string_view piece; lines.Next(maxBytes, piece);) {
    pieces.push_back({piece, line});
    if (pieces.back().EndsLine()) ++line;
  }
  return pieces;
}

std::string NotShownText(const ReadStop& stop) {
  return "the " + std::to_string(stop.linesNotShown) +
         " line(s) from there on are not shown, and the console's next save drops them";
}
