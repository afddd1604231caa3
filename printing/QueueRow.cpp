#include "printing/QueueRow.h"

namespace {
bool IsSeparator(int c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

constexpr size_t kIdPrefix = 4;  // "ID: "
// The row shows the user (word 3) and the data file (word 1).
constexpr size_t kRowWords = 3;
}  // namespace

std::vector<std::string> ReadControlWords(std::FILE* file, size_t count) {
  std::vector<std::string> words(count);
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

std::string FormatQueueRow(std::string_view controlFileName, const std::vector<std::string>& words) {
  std::string row = "ID: ";
  row += controlFileName;
  row += "     User: ";
  row += words.size() > 2 ? words[2] : std::string();
  row += "      Filename: ";
  row += words.empty() ? std::string() : words[0];
  return row;
}

std::string ReadQueueRow(std::FILE* file, std::string_view controlFileName) {
  return FormatQueueRow(controlFileName, ReadControlWords(file, kRowWords));
}

std::string ControlFileNameOfRow(std::string_view row) {
  if (row.size() <= kIdPrefix) return {};
  row.remove_prefix(kIdPrefix);
  return std::string(row.substr(0, row.find(' ')));
}
