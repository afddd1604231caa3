#pragma once
// The files the NFS service keeps in the registry install directory.
#include <optional>
#include <string>

// The bytes of the file name there, opened with the binary read mode given;
// none without the directory, when the path would be too long to name the file
// (never a cut path), or when the file cannot be opened or read.
std::optional<std::string> ReadServiceFile(const char* name, const char* mode);
