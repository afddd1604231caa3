#pragma once
// The one reading of a whole number, for every ID, size and count a program is
// typed or given or finds in a file: decimal only, so 0500 is 500 and never octal.
#include <optional>
#include <string>
#include <string_view>

// A signed decimal integer ('+' or '-' before the digits) with blanks and tabs
// allowed around it and nothing else; none for anything else (0x10, 1 2, 5k), or
// for a value outside the 32-bit range.
std::optional<int> ParseWholeNumber(std::string_view text);

// Why ParseWholeNumber refuses text, naming it: "\"0x10\" is not a decimal whole
// number", or out of range. Empty when it takes text.
std::string WholeNumberProblem(std::string_view text);
