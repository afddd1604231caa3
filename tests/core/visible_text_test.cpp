#include <gtest/gtest.h>

#include "portable/VisibleText.h"
#include "tests/core/CoreTestSupport.h"

namespace {

// An escape sequence in a client's name never reaches the terminal; text and
// double-byte characters (whose trail byte may look like anything) stay.
TEST(VisibleText, EscapesControlsAndKeepsCharacters) {
  ByteSet withC1 = AsciiControlBytes();
  withC1.set(0x81);  // undefined in code page 1252: a C1 control there
  struct Case {
    std::string_view text;
    std::string expected;
  } const cases[] = {
      {"c:\\public alpha", "c:\\public alpha"},
      {std::string_view("\x1b]0;owned\x07pc7\0x", 15), "\\x1b]0;owned\\x07pc7\\x00x"},
      {"tab\there\r\n\x7f", "tab\\x09here\\x0d\\x0a\\x7f"},
      {"\x81\xe9", "\\x81\xe9"},
  };
  for (const Case& c : cases) EXPECT_EQ(VisibleText(c.text, withC1), c.expected) << c.text;

  const ShiftJisScope shiftJis;
  // 0x81 leads a character here; its trail byte 0x7f is no DEL.
  EXPECT_EQ(VisibleText("\x81\x7f\x1b", AsciiControlBytes()), "\x81\x7f\\x1b");
}

}  // namespace
