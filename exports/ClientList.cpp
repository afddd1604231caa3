#include "exports/ClientList.h"

#include <algorithm>

namespace {
bool IsSeparator(char c) { return c == ',' || c == ' '; }
}  // namespace

int NormalizeClientList(std::string& text) {
  std::string written;
  bool nameOpen = false;  // copied characters not yet followed by a separator
  for (char c : text) {
    if (!IsSeparator(c)) {
      written += c;
      nameOpen = true;
    } else if (nameOpen) {
      written += ", ";
      nameOpen = false;
    }
  }
  if (nameOpen) written += ", ";
  if (written.size() < 3) {
    text.clear();
    return 0;
  }
  text.assign(written, 0, written.size() - 2);
  return static_cast<int>(written.size());
}

std::vector<std::string> SplitClientList(std::string_view text) {
  std::vector<std::string> names;
  std::string name;
  for (char c : text) {
    if (c == ' ') continue;
    if (c != ',') {
      name += c;
      continue;
    }
    if (!name.empty()) names.push_back(std::move(name));
    name.clear();
  }
  if (!name.empty()) names.push_back(std::move(name));
  return names;
}

std::vector<std::string> ClientListNames(std::string_view text) {
  std::vector<std::string> names;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = std::min(text.find_first_of(", ", start), text.size());
    if (end > start) names.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

bool AppendPickedHost(std::string& text, std::string_view name) {
  std::string picked = text;
  if (NormalizeClientList(picked) > 0) picked += ", ";
  picked += name;
  if (picked.size() > kMaxClientListText) return false;
  text = std::move(picked);
  return true;
}
