#pragma once
// Where a reader of a shared file stopped before the end of the file's bytes,
// and what it therefore does not show. A whole-file write made from what the
// reader showed drops all of that.
#include <cstddef>
#include <optional>
#include <string_view>

// Ctrl+Z: a file read in text mode ends at it.
constexpr char kEndOfFileMark = '\x1a';

struct ReadStop {
  enum class Cause {
    kEndOfFileMark,   // a Ctrl+Z, where a file read in text mode ends
    kEmptyLine,       // an empty line, which ends a mapping file
    kUnreadableLine,  // a line the reader cannot take, which ends its reading
  };
  Cause cause;
  size_t offset;         // the byte where reading stopped
  size_t line;           // its 1-based line
  size_t linesNotShown;  // lines holding text from there on, the rest of a marked line included

  // Whether a write made from what the reader showed loses anything.
  bool DropsLines() const { return linesNotShown > 0; }
};

// The stop of a reader that ends at byte offset of bytes. Nothing from there on
// is shown; an end-of-file mark itself holds no text.
ReadStop ReadStopAt(std::string_view bytes, size_t offset, ReadStop::Cause cause);

// The first Ctrl+Z of bytes, where a reader in text mode ends; none without one.
std::optional<ReadStop> EndOfFileMarkStop(std::string_view bytes);
