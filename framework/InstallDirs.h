#pragma once
// The server's two install directories, looked up at each use.
#include <windows.h>

#include <optional>
#include <string>

// Sizes of the path buffers built from the INI directory.
constexpr size_t kExportsPathSize = 80;
constexpr size_t kHelpPathSize = 80;

// "installdir" of section "norvo" in "norvo.ini"; empty when missing.
std::string IniInstallDir();
// The INI directory followed by name, or none when the path would not fit bufferSize.
std::optional<std::string> IniInstallPath(const char* name, size_t bufferSize);

// "Installation Directory" of the product's registry key; none when the key
// cannot be opened or the value cannot be read.
std::optional<std::string> RegistryInstallDir();
// The registry directory followed by a bare name, or none without the directory
// or when the path would be too long.
std::optional<std::string> RegistryInstallPath(const char* name);
