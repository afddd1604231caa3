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

// Builds the paths from "norvo.ini"; false, and printing off, when the install
// directory is longer than the printcap path has room for.
bool BuildPrintingPaths();
// Whether the paths were built. Without them nothing of printing may run: an
// empty spool directory would stand for the root of the drive.
bool HavePrintingPaths();
const PrintingPaths& CurrentPrintingPaths();

// The spool directory, "\", the file name.
std::string SpoolPath(std::string_view fileName);
