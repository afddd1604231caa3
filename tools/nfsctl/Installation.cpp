#include "tools/nfsctl/Installation.h"

#include <windows.h>

#include <cstring>

#include "app/InstallDirs.h"
#include "app/InstallPath.h"
#include "printing/PrinterExports.h"
#include "printing/PrintingPaths.h"
#include "status/SharedWithService.h"

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
  std::string system = systemDir_;
  if (system.empty()) {
    char buffer[MAX_PATH] = "";
    const UINT length = GetSystemDirectoryA(buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer) return {std::nullopt, "the system directory cannot be found"};
    system.assign(buffer, length);
  }
  if (auto path = MappingFilePath(system, kind)) return {path, {}};
  return {std::nullopt, "the system directory is too long"};
}

WindowsPrinter Installation::DefaultPrinter() {
  // The console has the spooler loaded; Wine brings the profile's default printer
  // up to date with its print system only once a process loads it.
  static const HMODULE spooler = LoadLibraryA("winspool.drv");
  (void)spooler;
  // The console's own look-up, which leaves the printer in its selection.
  LoadDefaultPrinter();
  return CurrentPrinterSelection().printer;
}
