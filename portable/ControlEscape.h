#pragma once
// Text from a file's content made safe to print: a control character (a byte
// below 0x20, or 0x7F) becomes \xNN, so that content cannot move a terminal's
// cursor, clear it or fake a line of the report.
#include <string>
#include <string_view>

enum class LineBreaks {
  kKeep,    // a text of lines: LF, CR LF and tabs stay
  kEscape,  // one value on one line: every control character is escaped
};
std::string EscapeControls(std::string_view text, LineBreaks breaks);
