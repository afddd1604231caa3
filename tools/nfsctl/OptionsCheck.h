#pragma once
// What the Server Options dialog would show or save differently from what the
// registry holds, and whether it can save at all.
#include <string>
#include <vector>

#include "tools/nfsctl/Finding.h"

std::vector<Finding> CheckServerOptions();

// Why the options key cannot take a value: missing, or not writable.
std::string OptionsKeyProblem();
