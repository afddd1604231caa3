#pragma once
// The question asked before a whole-file write that would drop lines its reader
// never showed.
#include <optional>
#include <string>
#include <string_view>

#include "portable/ReadStop.h"

// Where the reader of a file stops, from the file's bytes.
using ReadStopFinder = std::optional<ReadStop> (*)(std::string_view bytes);

// Called just before path is rewritten from what its reader showed. When the
// file on disk holds lines that reader stopped before, names the line where it
// stopped and how many lines the write drops, and asks. True when the write may
// go ahead: nothing would be dropped, or the user answered Yes.
bool MayDropUnreadLines(const std::string& path, ReadStopFinder findStop);
