#include "tools/nfsctl/Installation.h"

#include <windows.h>

#include <cstring>

#include "framework/InstallDirs.h"
#include "framework/SystemDirectory.h"
#include "portable/InstallPath.h"
#include "portable/SharedWithService.h"
#include "printing/DefaultPrinter.h"
#include "printing/PrintingPaths.h"

namespace {
// A directory given on the command line, which must exist: a typo would
// otherwise read as an installation without files.
Located GivenDirectory(const std::string& dir, const char* option) {
  const DWORD attributes = GetFileAttributesA(dir.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
    return {std::nullopt, std::string(option) + " " + dir + " is no directory"};
  return {dir, {}};
}
}  // namespace

Located Installation::IniDir() const {
  if (!installDir_.empty()) return GivenDirectory(installDir_, "--install-dir");
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
    if (const Located given = GivenDirectory(installDir_, "--install-dir"); !given.path) return given;
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
  if (!systemDir_.empty())
    if (const Located given = GivenDirectory(systemDir_, "--system-dir"); !given.path) return given;
  const std::optional<std::string> system = systemDir_.empty() ? SystemDirectory() : systemDir_;
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
