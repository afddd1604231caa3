#pragma once
// One row of the print queue list, and the control file that a row stands for.
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// The first count words of an open control file, a word being a run of bytes
// other than blanks, tabs and line ends; missing words are empty. A word keeps at
// most its first kMaxControlWord bytes and ends at a NUL.
constexpr size_t kMaxControlWord = 255;
std::vector<std::string> ReadControlWords(std::FILE* file, size_t count);

// "ID: <control file>     User: <third word>      Filename: <first word>".
std::string FormatQueueRow(std::string_view controlFileName, const std::vector<std::string>& words);

// The row of an open control file.
std::string ReadQueueRow(std::FILE* file, std::string_view controlFileName);

// The control file name of a row: from after "ID: " up to the first blank.
std::string ControlFileNameOfRow(std::string_view row);
