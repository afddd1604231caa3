#pragma once
// The double-byte characters of the system's ANSI code page, for every text
// comparison and backslash test of the console.

// Fills the portable lead-byte table from the ANSI code page's lead-byte ranges
// (none on a single-byte code page). Called at start-up before any file is read.
void UseAnsiLeadBytes();
