#pragma once
// A lock as the current locks list shows it, "first:second:number:long1:long2",
// and the unlock request made back from such a line.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "status/LockRecord.h"

// The longest line, and the longest second text within it; longer ones are cut
// when shown, and a cut line no longer names its lock.
constexpr size_t kMaxLockLine = 2047;
constexpr size_t kMaxLockSecondText = 258;

// The bytes of the opaque block of an unlock request.
constexpr size_t kUnlockOpaqueSize = 20;

// The texts and the number, then the low 32 bits of each long number as signed;
// cut, when given, tells whether the second text or the line was cut.
std::string FormatLockLine(const LockRecord& record, bool* cut = nullptr);
// The same into line, whose room is kept: a list of many locks formats every
// line into one string instead of allocating one per lock.
void FormatLockLine(const LockRecord& record, std::string& line, bool* cut = nullptr);

// The record bytes of the unlock request for a shown line that was not cut: its
// texts and numbers, and as opaque block the line's first 20 bytes with its first
// two colons made zero bytes, padded with zeros. None when the line does not split
// back into the lock it shows (a text holding a colon) or is longer than a shown
// line can be: no request is better than a request for another lock.
std::optional<std::string> UnlockRequestFor(std::string_view line);
