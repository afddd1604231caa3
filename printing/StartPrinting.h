#pragma once
// The start of the printing subsystem, last in the console's start-up.

// Builds the paths, creates the spool directory when missing, reads printcap and
// prints every job already waiting. Failures are silent: printing just does not start.
void StartPrinting();
