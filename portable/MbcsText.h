#pragma once
// Text comparisons that respect double-byte characters of the ANSI code page.
// Portable: the Win32 start-up fills the lead-byte table from the active code page;
// without that every byte is a character of its own.
#include <bitset>
#include <cstddef>
#include <string_view>

using LeadByteSet = std::bitset<256>;

// The lead bytes in force for every comparison of the process.
void SetLeadBytes(const LeadByteSet& leadBytes);
const LeadByteSet& LeadBytes();

// Case-sensitive comparison by characters, a double-byte character counting as
// (lead << 8 | trail): negative, zero or positive like strcmp.
int CompareMbcs(std::string_view a, std::string_view b);

// The index of the last backslash of text that is a character of its own, not
// the trail byte of a double-byte one; npos when there is none.
size_t LastBackslash(std::string_view text);
bool EndsWithBackslash(std::string_view text);
