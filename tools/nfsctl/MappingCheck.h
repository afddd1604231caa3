#pragma once
// What the console would lose or misread in a passwd or group file.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/nfsctl/Finding.h"

// kindPrefix is "passwd" or "group"; idName "UID" or "GID".
std::vector<Finding> CheckMappingFile(const std::string& path, std::string_view rawBytes,
                                      const char* kindPrefix, const char* idName);

// Why a save, which writes only what the console read, would lose lines of the
// file: the first such finding, "line N: ..."; none when it loses nothing.
std::optional<std::string> MappingSaveLoss(const std::string& path, std::string_view rawBytes,
                                           const char* kindPrefix, const char* idName);
