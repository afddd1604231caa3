#pragma once
// The files of the spool directory, as a directory search finds them.
#include <string>
#include <vector>

// The names of the plain files matching pattern (say "cf*.nfs" or "*") in directory.
std::vector<std::string> SpoolFileNames(const std::string& directory, const char* pattern);
