#pragma once
// One row of the print queue list, and the control file that a row stands for.
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

// What the queue list shows of an open control file: its first word (the data
// file) and its third (the user), a word being a run of bytes other than blanks,
// tabs and line ends; missing words are empty. A word keeps at most its first
// kMaxControlWord bytes and ends at a NUL.
constexpr size_t kMaxControlWord = 255;
struct QueueEntry {
  std::string dataFileName;
  std::string userName;
};
QueueEntry ReadQueueEntry(std::FILE* file);

// "ID: <control file>     User: <user>      Filename: <data file>".
std::string FormatQueueRow(std::string_view controlFileName, const QueueEntry& entry);

// The row of an open control file.
std::string ReadQueueRow(std::FILE* file, std::string_view controlFileName);

// The control file name of a row: from after "ID: " up to the first blank.
std::string ControlFileNameOfRow(std::string_view row);
