#pragma once
// What the export editor's pickers ask the system: the drives, a drive's own
// current directory, the hosts file's names and the short form of a path.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "exports/DriveByte.h"
#include "framework/ComboBox.h"

// Fills the drive combo box with "D:" items: the drives from C: to Z: whose type
// is known and whose root lists at least one entry.
void FillDriveList(CComboBox& combo);

// The current directory after changing to the drive of letter: the drive's own
// current directory with a backslash at its end; none when it cannot be had.
std::optional<std::string> DriveCurrentDirectory(DriveByte letter);

// The names the system's hosts file gives, in file order; none when it cannot be read.
std::vector<std::string> ReadHostNames();

// The short (8.3) form of an existing path; none when there is no such path.
std::optional<std::string> ShortPathName(const std::string& path);
