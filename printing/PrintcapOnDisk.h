#pragma once
// printcap as it stands on disk now, which another program may have changed
// since the console read it at start-up.
#include <string_view>

// Whether an entry of printcap on disk is named name (exact, as a job names its
// printer); the lines after one that stops the reading are not looked at.
bool PrintcapOnDiskExports(std::string_view name);
