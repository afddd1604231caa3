#pragma once
// Reading a shared file whole, and replacing it whole, or with --what-if only
// showing what would change.
#include <optional>
#include <string>

// The file's bytes: empty for a file that does not exist (the console treats it
// as empty too); none, with the reason in problem, when it exists but cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path, std::string& problem);

struct Located;
struct FileBytes {
  std::string path;
  std::string bytes;
};
// The located file read whole; none, with the exit code of the reported failure
// in failure, when it could not be located or read.
std::optional<FileBytes> ReadLocatedFile(const Located& located, int& failure);

// Writes newBytes in path's place through the one safe whole-file write; with
// whatIf prints the unified diff instead and writes nothing. Returns the exit code.
int ApplyChange(const std::string& path, const std::string& oldBytes, const std::string& newBytes, bool whatIf,
                bool json);
