#pragma once
// Replacing a file whole, so that a failed save (a full disk, a read-only file)
// leaves the old file intact instead of a truncated one. Every file the console
// and its companions rewrite whole goes through here: exports, hosts, passwd,
// group and printcap.
#include <string>
#include <string_view>

// Writes bytes to a temporary file beside path and then puts it in path's place.
// Returns an empty text on success, otherwise what went wrong and what became of
// the file: untouched, no temporary file left. On Windows a file that another
// program holds open, letting others write, cannot be replaced and is rewritten
// in place instead; should that fail midway, the text says the file may be cut
// short and names the temporary file, which is kept with the new content.
std::string SaveWholeFile(const std::string& path, std::string_view bytes);
