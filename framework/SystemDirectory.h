#pragma once
// The Windows system directory, which holds drivers\etc\hosts, passwd and group.
#include <optional>
#include <string>

// None when it cannot be looked up or does not fit MAX_PATH.
std::optional<std::string> SystemDirectory();
