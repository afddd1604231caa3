#include "printing/PrintingPaths.h"

#include "app/InstallDirs.h"
#include "app/InstallPath.h"
#include "printing/SpoolFiles.h"
#include "status/SharedWithService.h"

namespace {
// The buffers the paths are built in, terminators included.
constexpr size_t kPrintcapPathSize = 70;
constexpr size_t kSpoolPathSize = 80;

PrintingPaths g_paths;
}  // namespace

bool BuildPrintingPaths() {
  const std::string dir = IniInstallDir();
  const auto printcap = JoinIniPath(dir, kPrintcapFileName, kPrintcapPathSize);
  const auto parent = JoinIniPath(dir, kSpoolDirName, kSpoolPathSize);
  const auto spool = JoinIniPath(dir, std::string(kSpoolDirName) + kPcnfsdSpoolDirName, kSpoolPathSize);
  if (!printcap || !parent || !spool) {
    g_paths = {};
    return false;
  }
  g_paths = {*printcap, *parent, *spool};
  return true;
}

const PrintingPaths& CurrentPrintingPaths() { return g_paths; }

std::string SpoolPath(std::string_view fileName) {
  return MakeSpoolPath(g_paths.spoolDirectory, fileName);
}
