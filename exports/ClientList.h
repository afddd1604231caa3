#pragma once
// A client-list text: host names joined by ", ", as typed or assembled in the
// export editor's client edits.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The longest client-list text the editor holds in an edit.
constexpr size_t kMaxClientListText = 127;

// Rewrites text in its canonical form: the names joined by ", ", any run of
// commas and blanks being one separator. Returns the new length plus 2, or 0 when
// no name is left (the text is then empty).
int NormalizeClientList(std::string& text);

// The names of text in text order: a comma ends a name, blanks are dropped even
// inside a name, empty names are skipped.
std::vector<std::string> SplitClientList(std::string_view text);

// The names of a clients or R/W list text as the exports file's reader sees them
// once written: any run of commas and blanks separates two names. Every program
// that checks, looks up or lists the names of an export asks here.
std::vector<std::string> ClientListNames(std::string_view text);

// Appends a picked host name to a client-list text, normalising it first. False,
// with text unchanged, when the result would pass kMaxClientListText: a name is
// never cut.
bool AppendPickedHost(std::string& text, std::string_view name);
