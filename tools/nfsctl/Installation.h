#pragma once
// Where the tool finds the files it shares with the console and the service: the
// console's own look-ups (INI install directory, registry install directory,
// system directory), each of which a script may override.
#include <optional>
#include <string>

#include "mapping/MappingFile.h"
#include "printing/PrinterExport.h"
#include "printing/PrintingPaths.h"

// A path, or why there is none.
struct Located {
  std::optional<std::string> path;
  std::string problem;
};

class Installation {
 public:
  // An empty installDir or systemDir means: look it up as the console does.
  Installation(std::string installDir, std::string systemDir)
      : installDir_(std::move(installDir)), systemDir_(std::move(systemDir)) {}

  Located ExportsPath() const;
  Located PrintcapPath() const;
  Located SpoolDirectory() const;
  // "mountd.list", "Lock.NLM", "Unlock.NLM" in the registry install directory.
  Located RegistryFilePath(const char* name) const;
  Located MappingPath(MappingFileKind kind) const;

  // The Windows default printer of the profile; an empty driver when none is set.
  static WindowsPrinter DefaultPrinter();

 private:
  // The INI install directory: the one given, or the one norvo.ini names.
  Located IniDir() const;
  Located PrintingPath(std::string PrintingPaths::*which) const;

  std::string installDir_;
  std::string systemDir_;
};
