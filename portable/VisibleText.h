#pragma once
// Text that clients or other programs wrote (lock holders, mounted clients,
// file lines) made safe for the administrator's terminal: control characters
// become visible escapes such as \x1b, so no escape sequence they hold reaches
// the terminal. Double-byte characters of the code page are kept whole.
#include <bitset>
#include <string>
#include <string_view>

using ByteSet = std::bitset<256>;

// The C0 controls and DEL: controls in every code page.
ByteSet AsciiControlBytes();

// text with each byte of controls written as \xNN; the trail byte of a
// double-byte character is never taken for one.
std::string VisibleText(std::string_view text, const ByteSet& controls);
