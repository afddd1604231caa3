#pragma once
// Replacing a file whole, so that a failed save (a full disk, a read-only file)
// leaves the old file intact instead of a truncated one. Every file the console
// and its companions rewrite whole goes through here: exports and hosts now,
// passwd, group and printcap when their windows write them.
#include <string>
#include <string_view>

// Writes bytes to a temporary file beside path and then puts it in path's place.
// Returns an empty text on success, otherwise what went wrong; path is then
// untouched and no temporary file is left.
std::string SaveWholeFile(const std::string& path, std::string_view bytes);
