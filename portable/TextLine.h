#pragma once
// Reading text lines in pieces of bounded length from a stream that may or may not
// convert line ends: a CR LF pair always counts as one line end.
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

// Reads at most maxBytes bytes into line, stopping after a line feed. A carriage
// return that ends the piece takes a following line feed with it. False when
// nothing was read or the stream failed.
bool ReadLinePiece(std::FILE* file, size_t maxBytes, std::string& line);

// True when piece ends in a line end.
bool EndsLine(std::string_view piece);

// piece without its line end: a CR LF pair, or one line feed or carriage return.
std::string_view WithoutLineEnd(std::string_view piece);
