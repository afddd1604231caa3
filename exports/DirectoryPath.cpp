#include "exports/DirectoryPath.h"

#include <algorithm>

#include "portable/MbcsText.h"

namespace {
// A root is "c:\"; only longer directories lose their trailing backslash.
constexpr size_t kRootLength = 3;

std::string WithBackslash(std::string_view text) {
  std::string directory(text);
  if (!EndsWithBackslash(directory)) directory += '\\';
  return directory;
}

// Going up: clears characters leftwards from the one before the trailing
// backslash until a backslash (not a double-byte character's trail byte), never
// below index 3, so c:\users\pub\ gives c:\users\ and c:\users\ gives c:\.
std::string ParentDirectory(std::string_view directory) {
  size_t i = LastBackslash(directory.substr(0, directory.size() - 1));
  if (i == std::string_view::npos || i < kRootLength) i = kRootLength - 1;
  return std::string(directory.substr(0, i + 1));
}
}  // namespace

std::string StartDirectory(DriveByte drive, std::string_view pathText) {
  return WithBackslash(DriveColon(drive).append(pathText));
}

std::string DirectoryDisplayText(std::string_view directory) {
  if (directory.size() > kRootLength) directory.remove_suffix(1);
  return std::string(directory.substr(std::min<size_t>(2, directory.size())));
}

std::optional<std::string> ListPattern(std::string_view directory) {
  if (directory.size() > kMaxCurrentDirectory) return std::nullopt;
  return std::string(directory) + "*.*";
}

std::vector<std::string> DirectoryItems(std::string_view pattern,
                                        const std::vector<FoundEntry>& found) {
  std::vector<std::string> items;
  for (const FoundEntry& entry : found) {
    if (entry.isDirectory && entry.name != ".") items.push_back(entry.name);
  }
  if (std::count(pattern.begin(), pattern.end(), '\\') == 1) items.push_back(".");
  return items;
}

std::optional<std::string> ClickedPathText(std::string_view directory, std::string_view name) {
  std::string text(directory);
  if (name == "." || name == "..") {
    if (text.size() > kRootLength) text.pop_back();
  } else {
    text += name;
  }
  if (text.size() > kMaxClickPath) return std::nullopt;
  return text.substr(std::min<size_t>(2, text.size()));
}

DirectoryMove MoveForDoubleClick(std::string_view directory, std::string_view name) {
  if (name == ".") return {DirectoryMove::kStay, {}};
  if (name == "..") {
    if (directory.size() <= kRootLength + 1) return {DirectoryMove::kStay, {}};
    return {DirectoryMove::kEnter, ParentDirectory(directory)};
  }
  std::string entered = std::string(directory) + std::string(name) + '\\';
  if (name.size() > kMaxDirectoryName || entered.size() > kMaxCurrentDirectory)
    return {DirectoryMove::kRefuse, {}};
  return {DirectoryMove::kEnter, std::move(entered)};
}

std::optional<std::string> DriveDirectory(std::string_view answer) {
  if (answer.empty() || answer.size() > kMaxDriveDirectory) return std::nullopt;
  return WithBackslash(answer);
}
