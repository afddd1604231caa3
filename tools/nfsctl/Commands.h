#pragma once
// The verbs of nfsctl, one group per shared file or registry key. Each group adds
// its subcommands to the application; a verb's callback leaves its exit code in
// exitCode.
#include <CLI/CLI.hpp>

#include <string>

#include "tools/nfsctl/Installation.h"

// The options every verb takes.
struct Settings {
  std::string installDir;
  std::string systemDir;
  bool json = false;
  // Write although the file changed since it was read, or a running console
  // holds it in memory: the refusals that keep another program's change.
  bool force = false;
  // Why the change is made: kept with its version in the history.
  std::string reason;

  Installation Where() const { return Installation(installDir, systemDir); }
};

void AddExportsCommands(CLI::App& app, const Settings& settings, int& exitCode);
void AddMappingCommands(CLI::App& app, const Settings& settings, int& exitCode);
void AddPrinterCommands(CLI::App& app, const Settings& settings, int& exitCode);
void AddQueueCommands(CLI::App& app, const Settings& settings, int& exitCode);
void AddStatusCommands(CLI::App& app, const Settings& settings, int& exitCode);
void AddOptionsCommands(CLI::App& app, const Settings& settings, int& exitCode);
void AddCheckCommand(CLI::App& app, const Settings& settings, int& exitCode);
void AddAccessCommand(CLI::App& app, const Settings& settings, int& exitCode);
void AddHistoryCommands(CLI::App& app, const Settings& settings, int& exitCode);
void AddStateCommands(CLI::App& app, const Settings& settings, int& exitCode);

// --what-if on a mutating verb.
inline void AddWhatIf(CLI::App& verb, bool& whatIf) {
  verb.add_flag("--what-if", whatIf, "Show the change as a unified diff and write nothing");
}
