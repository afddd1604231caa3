#pragma once
// What the console would lose or misread in a passwd or group file.
#include <string>
#include <string_view>
#include <vector>

#include "tools/nfsctl/Finding.h"

// kindPrefix is "passwd" or "group"; idName "UID" or "GID".
std::vector<Finding> CheckMappingFile(const std::string& path, std::string_view rawBytes,
                                      const char* kindPrefix, const char* idName);
