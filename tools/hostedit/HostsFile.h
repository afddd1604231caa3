#pragma once
// A hosts file in memory, line by line: the entries (an address and its names)
// that the hosts editor lists and changes, and every other line (comments, blank
// lines, lines it cannot read) kept as it was, in its place.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct HostsEntry {
  std::string address;
  std::vector<std::string> names;
  std::string comment;  // a trailing "# ..." of the line, kept when the entry changes
};

class HostsFile {
 public:
  // Splits text into lines; a line is an entry when it holds an address and at
  // least one name that pass the editor's checks.
  static HostsFile Parse(std::string_view text);

  // The whole file. Lines not changed come back byte for byte; a changed or added
  // line ends like the file's first line (CR LF when the file has none).
  std::string Format() const;

  // The entries, in file order; an entry's index is its place in this list.
  size_t EntryCount() const;
  // Lines that are neither entries nor comments nor blank: kept byte for byte
  // but not shown, so the editor says how many there are.
  size_t KeptLineCount() const;
  const HostsEntry& Entry(size_t index) const;  // index < EntryCount()

  // Added after the last line.
  void Add(HostsEntry entry);
  // The entry at index replaced; false when there is none.
  bool Change(size_t index, HostsEntry entry);
  bool Remove(size_t index);

 private:
  struct Line {
    std::string text;    // as read, line end included, until the line changes
    bool isEntry;
    HostsEntry entry;    // when isEntry
  };
  size_t LineOfEntry(size_t index) const;
  std::string FormatEntry(const HostsEntry& entry) const;

  std::vector<Line> lines_;
  std::string lineEnd_ = "\r\n";
};
