#pragma once
// Where printing finds its files: printcap and the spool directory, both built
// from the INI install directory once, at start-up.
#include <string>
#include <string_view>

struct PrintingPaths {
  std::string printcap;        // <installdir>\printcap
  std::string spoolParent;     // <installdir>\SPOOL
  std::string spoolDirectory;  // <installdir>\SPOOL\PCNFSD
};

// Builds the paths from "norvo.ini"; false, and every path empty, when the
// install directory is too long for them.
bool BuildPrintingPaths();
const PrintingPaths& CurrentPrintingPaths();

// The spool directory, "\", the file name.
std::string SpoolPath(std::string_view fileName);
