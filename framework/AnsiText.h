#pragma once
// Text in the system's ANSI code page, converted from wide characters without
// loss: no best-fit look-alikes (L for \u0141) and no default character ('?'),
// which would store another name than the one given.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// wide in the ANSI code page, character for character; none when one of its
// characters has no exact counterpart there. The text ends at its first NUL.
std::optional<std::string> ExactAnsi(std::wstring_view wide);

// The program's arguments, its name first, read from the wide command line and
// converted by ExactAnsi (the C runtime's narrow argv is converted with best fit).
// None, with problem naming the argument, when one cannot be carried.
std::optional<std::vector<std::string>> ExactAnsiArguments(std::string& problem);
