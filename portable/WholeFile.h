#pragma once
// Reading an open binary file whole: the service's status files, the hosts file.
#include <cstdio>
#include <optional>
#include <string>

// Every byte from the current position to the end; none at a read error.
std::optional<std::string> ReadWholeFile(std::FILE* file);
