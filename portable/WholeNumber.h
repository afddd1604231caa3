#pragma once
// Reading a whole number typed into an edit control.
#include <optional>
#include <string_view>

// A signed decimal integer with blanks and tabs allowed around it and nothing
// else; none for anything else, or for a value outside the 32-bit range.
std::optional<int> ParseWholeNumber(std::string_view text);
