#pragma once
// The start of the printing subsystem, last in the console's start-up.

// Builds the paths, creates the spool directory when missing, reads printcap and
// prints every job already waiting. An install directory too long for the paths
// is said; other failures are silent: printing just does not start.
void StartPrinting();

// Tells that printing is off, its paths not built; the printing commands say it too.
void SayPrintingIsOff();
