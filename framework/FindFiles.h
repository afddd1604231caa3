#pragma once
// A directory search over plain files.
#include <windows.h>

#include <functional>
#include <string>

// Calls visit with each plain file (no directory) that pattern matches, such as
// "C:\dir\cf*.nfs", in the order the file system gives, until visit returns false.
void ForEachFile(const std::string& pattern, const std::function<bool(const WIN32_FIND_DATAA&)>& visit);
