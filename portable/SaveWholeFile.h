#pragma once
// Replacing a file whole, so that a failed save leaves the old file intact. Every
// file the console and its companions rewrite goes through here: exports, hosts,
// passwd, group, printcap.
#include <string>
#include <string_view>

// Writes bytes to a temporary file beside path and then puts it in path's place.
// Returns an empty text on success, otherwise what went wrong; path is then
// untouched and no temporary file is left.
std::string SaveWholeFile(const std::string& path, std::string_view bytes);
