#pragma once
// ASCII case, for the names Windows compares without case (drive letters, file
// names, registry value names): bytes 0x80 and up are left alone, so a
// double-byte character's bytes never change.
#include <string>
#include <string_view>

constexpr char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
std::string AsciiLower(std::string_view text);
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);
