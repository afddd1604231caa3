#pragma once
// What the console would not show of "Lock.NLM".
#include <string>
#include <string_view>
#include <vector>

#include "tools/nfsctl/Finding.h"

std::vector<Finding> CheckLockFile(const std::string& path, std::string_view bytes);
