#pragma once
// The host names the export editor offers: one from each usable line of the
// system's hosts file.
#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Appended to the system directory. The console runs only on Windows NT (start-up
// refuses the others), so the hosts file is always there.
inline constexpr char kHostsFileName[] = "\\drivers\\etc\\hosts";

// The longest host name kept; the rest of a longer run is dropped.
constexpr size_t kMaxHostName = 64;

// The hosts file is read in pieces of at most this many characters, each piece
// taken as a line.
constexpr size_t kHostsLinePiece = 255;

// The name one hosts line gives: the first run of letters, digits and '_' that
// starts with a letter or '_' (so the address is passed over and aliases are
// never read). None for a comment line ('#' first), a line shorter than 3
// characters counting its line end, or a line without such a run.
std::optional<std::string> HostNameOfLine(std::string_view line);

// The names of every usable line of an open hosts file, in file order.
std::vector<std::string> ReadHostNamesFrom(std::FILE* file);
