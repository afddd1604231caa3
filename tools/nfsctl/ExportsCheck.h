#pragma once
// What the console would skip, misread or write back differently in an exports file.
#include <string>
#include <string_view>
#include <vector>

#include "tools/nfsctl/Finding.h"

std::vector<Finding> CheckExportsFile(const std::string& path, std::string_view rawBytes);
