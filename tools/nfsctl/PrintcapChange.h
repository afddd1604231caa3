#pragma once
// What refuses a change of printcap before anything is written. The console
// reads printcap only at its start: under a running console a change is unknown
// to it (its jobs for a new printer wait), and its next printer change writes its
// own table back over it. And a save writes only the entries the console read.
#include <optional>
#include <string>
#include <string_view>

struct Settings;

// The refusal's whole text; none when the change of the file read as bytes may
// be made. A running console refuses only a change that is written, unforced.
std::optional<std::string> PrintcapChangeRefusal(const std::string& path, std::string_view bytes, bool writes,
                                                 const Settings& settings);
