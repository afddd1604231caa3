#pragma once
// The checks the hosts editor makes before it takes an entry: an address the
// resolver reads and host names it accepts. Each returns an empty text when the
// input is good, otherwise the message to show.
#include <string>
#include <string_view>
#include <vector>

// An IPv4 address in dotted decimal (four parts of 0 to 255, no leading zeros,
// which some resolvers read as octal) or an IPv6 address in its text form.
std::string CheckAddress(std::string_view address);

// A host name: dot-separated labels of 1 to 63 letters, digits, '-' and '_',
// no label starting or ending with '-', at most 253 characters in all.
std::string CheckHostName(std::string_view name);

// The names of a blank-separated text, each checked; at least one is needed.
// On success names holds them in order.
std::string CheckHostNames(std::string_view text, std::vector<std::string>& names);

// Whether the console's export editor lists the entry of address and names under
// its first name: it takes the first word of a line that starts with a letter or
// '_' (the "fe80" of an IPv6 address, the "build" of build-01). Empty when it
// does; otherwise the question to ask before the entry is taken.
std::string CheckListedName(std::string_view address, const std::vector<std::string>& names);
