#include "tools/nfsctl/Installation.h"

#include <windows.h>

#include <cstring>

#include "app/InstallDirs.h"
#include "app/InstallPath.h"
#include "printing/PrinterExports.h"
#include "status/SharedWithService.h"

namespace {
// The console builds these paths in buffers of 70 and 80 bytes.
constexpr size_t kPrintcapPathSize = 70;
constexpr size_t kSpoolPathSize = 80;
}  // namespace

Located Installation::IniPath(const char* name, size_t bufferSize) const {
  auto path = installDir_.empty() ? IniInstallPath(name, bufferSize) : JoinIniPath(installDir_, name, bufferSize);
  if (path) return {path, {}};
  return {std::nullopt, std::string("the install directory is too long for ") + (name + 1) + " (at most " +
                            std::to_string(bufferSize - 1 - std::strlen(name)) + " characters)"};
}

Located Installation::ExportsPath() const { return IniPath(kExportsFileName, kExportsPathSize); }

Located Installation::PrintcapPath() const { return IniPath(kPrintcapFileName, kPrintcapPathSize); }

Located Installation::SpoolDirectory() const {
  Located spool = IniPath(kSpoolDirName, kSpoolPathSize);
  if (spool.path) *spool.path += kPcnfsdSpoolDirName;
  return spool;
}

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
