#include "tools/hostedit/HostsFile.h"

#include "tools/hostedit/HostsCheck.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The entry a line holds: an address, names, perhaps a comment. False for a
// comment, a blank line or anything the checks refuse.
bool ParseEntry(std::string_view line, HostsEntry& entry) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  HostsEntry parsed;
  if (const size_t hash = line.find('#'); hash != std::string_view::npos) {
    parsed.comment = std::string(line.substr(hash));
    line = line.substr(0, hash);
  }
  std::vector<std::string> words;
  size_t pos = 0;
  while (pos < line.size()) {
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    const size_t start = pos;
    while (pos < line.size() && !IsBlank(line[pos])) ++pos;
    if (pos > start) words.emplace_back(line.substr(start, pos - start));
  }
  if (words.size() < 2 || !CheckAddress(words[0]).empty()) return false;
  for (size_t i = 1; i < words.size(); ++i) {
    if (!CheckHostName(words[i]).empty()) return false;
  }
  parsed.address = words[0];
  parsed.names.assign(words.begin() + 1, words.end());
  entry = std::move(parsed);
  return true;
}

}  // namespace

HostsFile HostsFile::Parse(std::string_view text) {
  HostsFile file;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    end = end == std::string_view::npos ? text.size() : end + 1;
    Line line{std::string(text.substr(start, end - start)), false, {}};
    line.isEntry = ParseEntry(line.text, line.entry);
    file.lines_.push_back(std::move(line));
    start = end;
  }
  if (!file.lines_.empty()) {
    const std::string& first = file.lines_.front().text;
    if (first.size() >= 1 && first.back() == '\n')
      file.lineEnd_ = first.size() >= 2 && first[first.size() - 2] == '\r' ? "\r\n" : "\n";
  }
  return file;
}

std::string HostsFile::Format() const {
  std::string text;
  for (const Line& line : lines_) text += line.text;
  return text;
}

size_t HostsFile::EntryCount() const {
  size_t count = 0;
  for (const Line& line : lines_) count += line.isEntry ? 1 : 0;
  return count;
}

size_t HostsFile::KeptLineCount() const {
  size_t count = 0;
  for (const Line& line : lines_) {
    if (line.isEntry) continue;
    const size_t first = line.text.find_first_not_of(" \t\r\n");
    count += first != std::string::npos && line.text[first] != '#' ? 1 : 0;
  }
  return count;
}

const HostsEntry& HostsFile::Entry(size_t index) const { return lines_[LineOfEntry(index)].entry; }

void HostsFile::Add(HostsEntry entry) {
  // A last line without its line end gets one, so the new entry starts a line.
  if (!lines_.empty() && lines_.back().text.back() != '\n') lines_.back().text += lineEnd_;
  std::string text = FormatEntry(entry);
  lines_.push_back({std::move(text), true, std::move(entry)});
}

bool HostsFile::Change(size_t index, HostsEntry entry) {
  const size_t at = LineOfEntry(index);
  if (at == lines_.size()) return false;
  lines_[at].text = FormatEntry(entry);
  lines_[at].entry = std::move(entry);
  return true;
}

bool HostsFile::Remove(size_t index) {
  const size_t at = LineOfEntry(index);
  if (at == lines_.size()) return false;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(at));
  return true;
}

size_t HostsFile::LineOfEntry(size_t index) const {
  for (size_t at = 0; at < lines_.size(); ++at) {
    if (lines_[at].isEntry && index-- == 0) return at;
  }
  return lines_.size();
}

std::string HostsFile::FormatEntry(const HostsEntry& entry) const {
  std::string text = entry.address;
  for (size_t i = 0; i < entry.names.size(); ++i) text += (i == 0 ? "\t" : " ") + entry.names[i];
  if (!entry.comment.empty()) text += "\t" + entry.comment;
  return text + lineEnd_;
}
