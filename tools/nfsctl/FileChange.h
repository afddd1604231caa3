#pragma once
// Changing a shared file the safe way (framework/SharedFile.h): the file is read
// under its lock, which the verb holds until it has written the file or ended,
// so that no other program writes in between; before the write the disk is
// compared with what was read, and the file is replaced whole. With --what-if
// the change is only shown.
#include <optional>
#include <string>
#include <string_view>

struct Settings;

// The file's bytes: empty for a file that does not exist (the console treats it
// as empty too); none, with the reason in problem, when it exists but cannot be
// read, or another program held its lock for the whole wait.
std::optional<std::string> ReadFileBytes(const std::string& path, std::string& problem);

struct Located;
struct FileBytes {
  std::string path;
  std::string bytes;
};
// The located file read whole; none, with the exit code of the reported failure
// in failure, when it could not be located or read.
std::optional<FileBytes> ReadLocatedFile(const Located& located, int& failure);

// Writes newBytes in path's place, which ReadFileBytes read as oldBytes, and
// releases its lock; refused when another program changed the file since,
// unless forced. With whatIf prints the unified diff instead and writes nothing.
// Returns the exit code.
int ApplyChange(const std::string& path, const std::string& oldBytes, const std::string& newBytes, bool whatIf,
                const Settings& settings);

// A change of several files that stands or falls whole: each file read by
// ReadFileBytes is first checked, then written, its lock kept to the end so that
// its old bytes can be written back when a later file fails.
// The refusal when another program changed the file since it was read (none
// when forced).
std::optional<std::string> ChangedSinceRead(const std::string& path, const Settings& settings);
// Replaces the file; an empty text, or what went wrong (the old file is whole).
std::string WriteReadFile(const std::string& path, std::string_view bytes);
