#include "printing/ControlFile.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <string>

#include "portable/TextLine.h"

namespace {

// The longest value of each line, in file order.
constexpr size_t kDataFileLine = 11;
constexpr size_t kTextLine = 61;
constexpr size_t kShortLine = 11;
constexpr size_t kNumberLine = 77;

// Each of the six lines takes at most its longest value and a CR LF.
constexpr size_t kMostBytesRead = kDataFileLine + 3 * kTextLine + kShortLine + kNumberLine + 6 * 2;

std::string ReadControlLine(LinePieces& lines, size_t longest) {
  std::string_view piece;
  if (!lines.Next(longest + 1, piece)) return {};
  if (!EndsLine(piece) && piece.size() > longest) {
    // Cut: the byte read beyond the value starts the next line.
    lines.PutBackLastByte();
    piece.remove_suffix(1);
  }
  std::string line(WithoutLineEnd(piece));
  line.resize(std::min(line.find('\0'), line.size()));
  return line;
}

// Leading blanks, a sign and digits, as atoi reads them; out of range values
// stop at the nearest limit.
int32_t DecimalValue(std::string_view text) {
  size_t i = text.find_first_not_of(" \t\r\n\v\f");
  if (i == std::string_view::npos) return 0;
  const bool negative = text[i] == '-';
  if (text[i] == '-' || text[i] == '+') ++i;
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = std::min<int64_t>(value * 10 + (text[i] - '0'),
                              int64_t{std::numeric_limits<int32_t>::max()} + 1);
  }
  if (negative) value = -value;
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

}  // namespace

SpoolJob ReadControlFile(std::string_view text, std::string_view controlFileName) {
  LinePieces lines(text);
  SpoolJob job;
  job.controlFileName = controlFileName;
  job.documentName = controlFileName;
  job.dataFileName = ReadControlLine(lines, kDataFileLine);
  job.requestId = ReadControlLine(lines, kTextLine);
  job.userName = ReadControlLine(lines, kTextLine);
  job.printerName = ReadControlLine(lines, kTextLine);
  job.shortValue = ReadControlLine(lines, kShortLine);
  job.number = DecimalValue(ReadControlLine(lines, kNumberLine));
  return job;
}

std::string ReadControlFileBytes(std::FILE* file) {
  char bytes[kMostBytesRead];
  return std::string(bytes, std::fread(bytes, 1, sizeof bytes, file));
}
