#pragma once
// The directory browser's texts: the current directory (drive included, always
// ending in a backslash, e.g. c:\users\pub\), the path it shows, and where a
// click or double click leads. Moves that would pass the browser's limits are
// refused, never cut.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exports/DriveByte.h"

// The current directory with "*.*" appended fits in 128 bytes.
constexpr size_t kMaxCurrentDirectory = 124;
// A directory name with its "\" appended fits in 64 bytes.
constexpr size_t kMaxDirectoryName = 62;
// The current directory followed by a clicked name fits in 128 bytes.
constexpr size_t kMaxClickPath = 127;
// A drive's own current directory is asked for with room for 63 bytes.
constexpr size_t kMaxDriveDirectory = 62;

// Where the browser starts for a stored export: driveLetter, ':' and pathText,
// with a backslash appended when it does not end in one (c:\ for an empty text).
std::string StartDirectory(DriveByte drive, std::string_view pathText);

// What the path field shows for a directory: without drive letter and colon, and
// without the trailing backslash below a root (\users\pub for c:\users\pub\).
std::string DirectoryDisplayText(std::string_view directory);

// The search pattern that lists directory, or none when it is over the limit.
std::optional<std::string> ListPattern(std::string_view directory);

// One entry a directory search found.
struct FoundEntry {
  std::string name;
  bool isDirectory;
};

// The items of the directory list for a search by pattern: every directory found
// but ".", and at a root (a pattern with one backslash) the pseudo-entry ".".
std::vector<std::string> DirectoryItems(std::string_view pattern,
                                        const std::vector<FoundEntry>& found);

// The path field's text when the item name is clicked in directory: the clicked
// directory ("." and ".." show directory itself). None when the path would pass
// kMaxClickPath.
std::optional<std::string> ClickedPathText(std::string_view directory, std::string_view name);

// Where a double click on the item name leads from directory.
struct DirectoryMove {
  enum Kind { kStay, kEnter, kRefuse };
  Kind kind;
  std::string directory;  // the new current directory when kind is kEnter
};
DirectoryMove MoveForDoubleClick(std::string_view directory, std::string_view name);

// The current directory after a drive change, from the drive's own current
// directory as the system gave it; none when that text is empty or over
// kMaxDriveDirectory.
std::optional<std::string> DriveDirectory(std::string_view answer);
