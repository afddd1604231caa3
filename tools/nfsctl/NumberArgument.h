#pragma once
// A number given on the command line (an ID, a size, a mode), taken as text and
// read by the one rule for numbers: CLI11 would read 0500 as octal and 0x10 as hex.
#include <cstdint>
#include <optional>
#include <string>

// The value of text; none, after saying why on standard error with kExitFailed in
// failure, when it is no decimal whole number. what names the argument ("UID").
std::optional<int32_t> NumberArgument(const std::string& text, const char* what, int& failure);
