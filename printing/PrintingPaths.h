#pragma once
// Where printing finds its files: printcap and the spool directory, both built
// from the INI install directory once, at start-up.
#include <optional>
#include <string>
#include <string_view>

struct PrintingPaths {
  std::string printcap;        // <installdir>\printcap
  std::string spoolParent;     // <installdir>\SPOOL
  std::string spoolDirectory;  // <installdir>\SPOOL\PCNFSD
};

// The paths in installDir; none when it is longer than the 69 characters the
// printcap path has room for (the spool path has room for 79): a longer one is
// refused rather than cut to another directory.
std::optional<PrintingPaths> PrintingPathsIn(std::string_view installDir);

// Builds the paths from "norvo.ini"; false, and printing off, when they cannot be.
bool BuildPrintingPaths();
// Whether the paths were built. Without them nothing of printing may run: an
// empty spool directory would stand for the root of the drive.
bool HavePrintingPaths();
const PrintingPaths& CurrentPrintingPaths();

// The spool directory, "\", the file name.
std::string SpoolPath(std::string_view fileName);
