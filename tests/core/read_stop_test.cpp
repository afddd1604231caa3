// Where each file's reader stops before the end of the file, and how many lines
// it then does not show: what a rewrite from its records would drop.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "exports/ExportEntryStream.h"
#include "mapping/MappingFile.h"
#include "printing/PrintcapFile.h"

namespace {

using Cause = ReadStop::Cause;
using Finder = std::optional<ReadStop> (*)(std::string_view bytes);

struct Stop {
  Cause cause;
  size_t line, linesNotShown;
  bool operator==(const Stop&) const = default;
};

std::optional<Stop> Plain(const std::optional<ReadStop>& stop) {
  if (!stop) return std::nullopt;
  return Stop{stop->cause, stop->line, stop->linesNotShown};
}

TEST(ReadStop, WhereEachReaderStopsAndHowManyLinesItDoesNotShow) {
  const Finder mapping = &FindMappingReadStop, exports = &FindExportsReadStop, printcap = &FindPrintcapReadStop;
  const struct {
    Finder find;
    std::string bytes;
    std::optional<Stop> stop;
  } cases[] = {
      {mapping, "a::1\r\nb::2\r\n", std::nullopt},
      // The rest of the marked line counts, the mark and line ends do not.
      {mapping, "a::1\r\nb::\x1a" "2\r\nc::3\r\n", Stop{Cause::kEndOfFileMark, 2, 2}},
      {mapping, "a::1\r\n\x1a\r\nc::3\r\n\r\nd::4", Stop{Cause::kEndOfFileMark, 2, 2}},
      {mapping, "a::1\n\nc::3\n\x1a\nd::4\n", Stop{Cause::kEmptyLine, 2, 2}},
      // 255 bytes: the line end is read alone, as an empty line.
      {mapping, std::string(251, 'c') + "::42\r\nnext::1\r\n", Stop{Cause::kEmptyLine, 1, 1}},
      {exports, "c:\\a;0 \r\n\r\nc:\\b;0 \r\n", std::nullopt},
      {exports, "c:\\a;0 \x1a\r\nc:\\b;0 \r\n", Stop{Cause::kEndOfFileMark, 1, 1}},
      {printcap, "a,b,c,d,\r\n", std::nullopt},
      // Counted from the line that stops the reading; an empty line holds nothing.
      {printcap, "a,b,c,d,\r\nbad,x\r\n\r\nz,y,x,w,\r\n", Stop{Cause::kUnreadableLine, 2, 2}},
      {printcap, "a,b,c,d,\r\n\r\n", Stop{Cause::kUnreadableLine, 2, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(Plain(c.find(c.bytes)), c.stop) << c.bytes.substr(0, 40);
}

}  // namespace
