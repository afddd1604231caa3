#pragma once
// How file paths are built from the two install directories.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The INI directory and a name that starts with its own backslash, when the two
// fit a buffer of bufferSize bytes with its terminator. The directory's last
// character is not looked at: C:\srv\ gives C:\srv\\exports.
std::optional<std::string> JoinIniPath(std::string_view dir, std::string_view name, size_t bufferSize);

// The longest path built from the registry directory, its terminator included.
constexpr size_t kMaxRegistryPath = 260;

// The registry directory and a bare name, with a backslash between them unless
// the directory already ends in one; none when the path does not fit, rather
// than a cut path naming another file.
std::optional<std::string> JoinRegistryPath(std::string_view dir, std::string_view name);
