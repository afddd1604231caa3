#pragma once
// Telling a running console that one line was appended to its exports file: it
// then reads that last line into its list.
// True when a console was found and told.
bool AnnounceAppendedExport();
