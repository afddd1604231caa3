#pragma once
// The start of the printing subsystem, last in the console's start-up.

// Builds the paths, creates the spool directory when missing, reads printcap and
// prints every job already waiting. An install directory too long for the paths
// is said; other failures are silent: printing just does not start.
void StartPrinting();

// Whether printing runs, its paths built; when not, says that printing is off.
// Start-up and every printing command ask.
bool PrintingIsOn();
