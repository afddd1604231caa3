#include "tools/nfsctl/Installation.h"

#include <windows.h>

#include <cstring>

#include "framework/InstallDirs.h"
#include "framework/SystemDirectory.h"
#include "portable/InstallPath.h"
#include "portable/SharedWithService.h"
#include "printing/DefaultPrinter.h"
#include "printing/PrintingPaths.h"

Located Installation::IniDir() const {
  if (!installDir_.empty()) return {installDir_, {}};
  std::string dir = IniInstallDir();
  // Without one the console works in the root of its own current drive, which
  // this tool cannot know.
  if (dir.empty())
    return {std::nullopt, std::string(kIniFileName) + " names no install directory: give --install-dir"};
  return {std::move(dir), {}};
}

Located Installation::ExportsPath() const {
  const Located dir = IniDir();
  if (!dir.path) return dir;
  if (auto path = JoinIniPath(*dir.path, kExportsFileName, kExportsPathSize)) return {path, {}};
  return {std::nullopt, "the install directory is too long for exports (at most " +
                            std::to_string(kExportsPathSize - 1 - std::strlen(kExportsFileName)) + " characters)"};
}

Located Installation::PrintingPath(std::string PrintingPaths::*which) const {
  const Located dir = IniDir();
  if (!dir.path) return dir;
  if (const std::optional<PrintingPaths> paths = PrintingPathsIn(*dir.path)) return {(*paths).*which, {}};
  return {std::nullopt, "the install directory is longer than the 69 characters printing has room for: the "
                        "console's printing is off"};
}

Located Installation::PrintcapPath() const { return PrintingPath(&PrintingPaths::printcap); }

Located Installation::SpoolDirectory() const { return PrintingPath(&PrintingPaths::spoolDirectory); }

Located Installation::RegistryFilePath(const char* name) const {
  if (!installDir_.empty()) {
    if (auto path = JoinRegistryPath(installDir_, name)) return {path, {}};
    return {std::nullopt, "the install directory is too long"};
  }
  const std::optional<std::string> dir = RegistryInstallDir();
  if (!dir)
    return {std::nullopt, std::string("the registry value \"") + kInstallDirValue + "\" of HKEY_LOCAL_MACHINE\\" +
                              kInstallDirKey + " cannot be read"};
  if (auto path = JoinRegistryPath(*dir, name)) return {path, {}};
  return {std::nullopt, "the registry install directory is too long"};
}

Located Installation::MappingPath(MappingFileKind kind) const {
  std::optional<std::string> system = systemDir_;
  if (system->empty()) system = SystemDirectory();
  if (!system) return {std::nullopt, "the system directory cannot be found"};
  if (auto path = MappingFilePath(*system, kind)) return {path, {}};
  return {std::nullopt, "the system directory is too long"};
}

WindowsPrinter Installation::DefaultPrinter() {
  // The console has the spooler loaded; Wine brings the profile's default printer
  // up to date with its print system only once a process loads it.
  static const HMODULE spooler = LoadLibraryA("winspool.drv");
  (void)spooler;
  return ReadDefaultPrinter();
}
