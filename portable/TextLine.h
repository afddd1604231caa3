#pragma once
// Text lines of a file read whole, taken in pieces of bounded length: a CR LF pair
// always counts as one line end, whether or not the file was read in text mode.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The pieces that a reader taking at most maxBytes at a time gets from text: a
// piece ends after a line feed or at maxBytes bytes, and a carriage return that
// ends a piece takes a following line feed with it. Zero bytes are bytes of the
// piece. Pieces are views into text, which must outlive them.
class LinePieces {
 public:
  explicit LinePieces(std::string_view text) : rest_(text) {}

  // The next piece; false at the end of the text.
  bool Next(size_t maxBytes, std::string_view& piece);

  // Gives back the last byte of the piece just taken: it starts the next piece.
  void PutBackLastByte() { rest_ = std::string_view(rest_.data() - 1, rest_.size() + 1); }

 private:
  std::string_view rest_;
};

// The records a reader of text reserves room for, one a line: at most 65,536, so
// that a file of empty lines does not ask for gigabytes before a line is read.
size_t RecordsToReserve(std::string_view text);

// True when piece ends in a line end.
bool EndsLine(std::string_view piece);

// piece without its line end: a CR LF pair, or one line feed or carriage return.
std::string_view WithoutLineEnd(std::string_view piece);

// The bytes that add line (without its line end) to a text file holding text,
// with the target's line end, CR LF: a CR LF first when the last line lacks its
// own.
std::string AppendedLineBytes(std::string_view text, std::string_view line);

// The lines of text without their ends (a line feed, or CR LF), as views into
// text; a last line without an end is a line too.
std::vector<std::string_view> LinesOf(std::string_view text);
