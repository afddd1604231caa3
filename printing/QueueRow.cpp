#include "printing/QueueRow.h"

#include <array>

namespace {
bool IsSeparator(int c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

constexpr size_t kIdPrefix = 4;  // "ID: "

// The first words of an open control file, each bounded and ended at a NUL.
template <size_t count>
std::array<std::string, count> ReadControlWords(std::FILE* file) {
  std::array<std::string, count> words;
  int c = std::getc(file);
  for (std::string& word : words) {
    while (c != EOF && IsSeparator(c)) c = std::getc(file);
    bool cut = false;
    for (; c != EOF && !IsSeparator(c); c = std::getc(file)) {
      cut = cut || c == '\0' || word.size() == kMaxControlWord;
      if (!cut) word += static_cast<char>(c);
    }
  }
  return words;
}

}  // namespace

QueueEntry ReadQueueEntry(std::FILE* file) {
  auto words = ReadControlWords<3>(file);
  return {std::move(words[0]), std::move(words[2])};
}

std::string FormatQueueRow(std::string_view controlFileName, const QueueEntry& entry) {
  std::string row = "ID: ";
  row += controlFileName;
  row += "     User: ";
  row += entry.userName;
  row += "      Filename: ";
  row += entry.dataFileName;
  return row;
}

std::string ReadQueueRow(std::FILE* file, std::string_view controlFileName) {
  return FormatQueueRow(controlFileName, ReadQueueEntry(file));
}

std::string ControlFileNameOfRow(std::string_view row) {
  if (row.size() <= kIdPrefix) return {};
  row.remove_prefix(kIdPrefix);
  return std::string(row.substr(0, row.find(' ')));
}
