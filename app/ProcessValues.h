#pragma once
// The values start-up sets once for the whole process.
#include <windows.h>

#include <optional>
#include <string>

// The exports file's path; none when the INI install directory is too long for it.
const std::optional<std::string>& ExportsPath();
void SetExportsPath(std::optional<std::string> path);
