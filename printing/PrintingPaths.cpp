#include "printing/PrintingPaths.h"

#include "framework/InstallDirs.h"
#include "portable/SharedWithService.h"
#include "printing/SpoolFiles.h"

namespace {
constexpr size_t kInstallDirRoom = 69;

std::optional<PrintingPaths> g_paths;
}  // namespace

std::optional<PrintingPaths> PrintingPathsIn(std::string_view installDir) {
  if (installDir.size() > kInstallDirRoom) return std::nullopt;
  const std::string dir(installDir), spoolParent = dir + kSpoolDirName;
  return PrintingPaths{dir + kPrintcapFileName, spoolParent, spoolParent + kPcnfsdSpoolDirName};
}

bool BuildPrintingPaths() {
  g_paths = PrintingPathsIn(IniInstallDir());
  return g_paths.has_value();
}

bool HavePrintingPaths() { return g_paths.has_value(); }

const PrintingPaths& CurrentPrintingPaths() { return *g_paths; }

std::string SpoolPath(std::string_view fileName) {
  return MakeSpoolPath(g_paths->spoolDirectory, fileName);
}
