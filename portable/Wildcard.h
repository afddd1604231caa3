#pragma once
// Wildcard patterns as administrators type them for paths and hosts: '*' any
// run of characters, '?' any one character, everything else itself.
#include <string_view>

bool MatchesWildcard(std::string_view pattern, std::string_view text);
