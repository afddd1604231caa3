#include "status/MountList.h"

#include <algorithm>

#include "portable/AsciiCase.h"

std::string MountListText(std::string_view fileBytes) {
  return std::string(fileBytes.substr(0, fileBytes.find('\0')));
}

namespace {

// Calls take(line, client) for each line of text (its LF off) that holds a word:
// the client is that first word, as the service writes it.
template <class Take>
void ForEachClientLine(std::string_view text, Take take) {
  for (size_t start = 0; start < text.size();) {
    const size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = text.substr(start, end - start);
    const size_t wordStart = line.find_first_not_of(" \t");
    if (wordStart != std::string_view::npos)
      take(line, line.substr(wordStart, line.find_first_of(" \t\r", wordStart) - wordStart));
    start = end + 1;
  }
}

}  // namespace

std::vector<std::string_view> MountLinesOf(std::string_view text, std::string_view host) {
  std::vector<std::string_view> lines;
  ForEachClientLine(text, [&](std::string_view line, std::string_view client) {
    if (EqualsIgnoringAsciiCase(client, host)) lines.push_back(line.substr(0, line.find_last_not_of('\r') + 1));
  });
  return lines;
}

std::unordered_set<std::string> MountedClients(std::string_view text) {
  std::unordered_set<std::string> clients;
  ForEachClientLine(text, [&](std::string_view, std::string_view client) { clients.insert(AsciiLower(client)); });
  return clients;
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
