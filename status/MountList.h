#pragma once
// "mountd.list": the service's text of mounted clients, shown as it stands.
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// The bytes of the file up to its first zero byte.
std::string MountListText(std::string_view fileBytes);

// The lines of the text whose first word (the client, as the service writes
// it) is host, compared without ASCII case as host names are.
std::vector<std::string_view> MountLinesOf(std::string_view text, std::string_view host);

// The clients of the text's lines in ASCII lower case: host has a line in
// MountLinesOf exactly when AsciiLower(host) is one of them.
std::unordered_set<std::string> MountedClients(std::string_view text);

// The text as a multi-line edit shows it with its line breaks: each lone LF
// becomes CR LF; CR LF pairs and every other byte stay as they are.
std::string MountListDisplayText(std::string_view text);
