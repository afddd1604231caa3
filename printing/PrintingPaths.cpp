#include "printing/PrintingPaths.h"

#include <optional>

#include "app/InstallDirs.h"
#include "printing/SpoolFiles.h"
#include "status/SharedWithService.h"

namespace {
// The printcap path has room for 69 characters of the install directory (the
// spool path for 79); a longer directory is refused rather than cut to another one.
constexpr size_t kInstallDirRoom = 69;

std::optional<PrintingPaths> g_paths;
}  // namespace

bool BuildPrintingPaths() {
  const std::string dir = IniInstallDir();
  if (dir.size() > kInstallDirRoom) {
    g_paths.reset();
    return false;
  }
  const std::string spoolParent = dir + kSpoolDirName;
  g_paths = PrintingPaths{dir + kPrintcapFileName, spoolParent, spoolParent + kPcnfsdSpoolDirName};
  return true;
}

bool HavePrintingPaths() { return g_paths.has_value(); }

const PrintingPaths& CurrentPrintingPaths() { return *g_paths; }

std::string SpoolPath(std::string_view fileName) {
  return MakeSpoolPath(g_paths->spoolDirectory, fileName);
}
