#include "status/MountList.h"

#include <algorithm>

#include "portable/AsciiCase.h"

std::string MountListText(std::string_view fileBytes) {
  return std::string(fileBytes.substr(0, fileBytes.find('\0')));
}

std::vector<std::string_view> MountLinesOf(std::string_view text, std::string_view host) {
  std::vector<std::string_view> lines;
  for (size_t start = 0; start < text.size();) {
    const size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = text.substr(start, end - start);
    const size_t wordStart = line.find_first_not_of(" \t");
    if (wordStart != std::string_view::npos) {
      const std::string_view word = line.substr(wordStart, line.find_first_of(" \t\r", wordStart) - wordStart);
      if (EqualsIgnoringAsciiCase(word, host)) lines.push_back(line.substr(0, line.find_last_not_of('\r') + 1));
    }
    start = end + 1;
  }
  return lines;
}

std::string MountListDisplayText(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) shown += '\r';
    shown += text[i];
  }
  return shown;
}
