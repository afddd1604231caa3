#pragma once
// Jobs of the spool directory that the console would not print, or files that
// no job will ever take away.
#include <map>
#include <string>
#include <vector>

#include "tools/nfsctl/Finding.h"

// fileNames: every file of the directory; dataFileOf: for each handled control
// file, the data file name its first line gives.
std::vector<Finding> CheckSpoolFiles(const std::string& spoolDirectory, const std::vector<std::string>& fileNames,
                                     const std::map<std::string, std::string>& dataFileOf);
