#pragma once
// What a change does to a text file, as a unified diff: the one hunk between the
// lines both versions share at their start and at their end, with three lines
// of context. The edits this tool makes (a line added, removed or replaced, a
// file rewritten) are each one such hunk.
#include <string>
#include <string_view>

// Empty when the two texts have the same lines. Line ends are not compared: a
// CR LF and a LF end the same line.
std::string UnifiedDiff(std::string_view path, std::string_view oldText, std::string_view newText);
