#pragma once
// The files the NFS service keeps in the registry install directory.
#include <optional>
#include <string>

// The bytes of the file name there, read whole in binary; none without the
// directory, when the path would be too long to name the file (never a cut
// path), or when the file cannot be opened or read.
std::optional<std::string> ReadServiceFile(const char* name);

