#pragma once
// Paths of the files that the service keeps in the registry install directory:
// "mountd.list", "Lock.NLM" and "Unlock.NLM".
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The longest path, its terminating NUL included.
constexpr size_t kMaxServiceFilePath = 260;

// installDirectory and fileName, with a backslash between them unless the
// directory already ends in one; none when the path does not fit, rather than a
// cut path naming another file.
std::optional<std::string> ServiceFilePath(std::string_view installDirectory,
                                           std::string_view fileName);
