#pragma once
// Replacing a file whole, so that a failed save leaves the old file intact.
#include <string>
#include <string_view>

// Writes text to a temporary file beside path and then puts it in path's place.
// Returns an empty text on success, otherwise what went wrong; path is then
// untouched and no temporary file is left.
std::string SaveWhole(const std::string& path, std::string_view text);
