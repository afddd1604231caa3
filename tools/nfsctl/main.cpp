// nfsctl: the console's jobs from a script. Every verb reads and writes the same
// files and registry values as the console, through the same core functions and
// with the same refusals; `check` says what the console or the service would
// lose or misread, and `access` what the files grant one client.
#include <cstdio>

#include "framework/AnsiLeadBytes.h"
#include "framework/AnsiText.h"
#include "tools/nfsctl/Commands.h"
#include "tools/nfsctl/Report.h"

int main() {
  // Double-byte names compare and split as the console does.
  UseAnsiLeadBytes();
  // Names are stored as the console stores them: a character the code page lacks
  // is refused, never written as '?' or as a look-alike.
  std::string problem;
  std::optional<std::vector<std::string>> arguments = ExactAnsiArguments(problem);
  if (!arguments) return Fail(kExitRefused, "refused: " + problem + "; nothing was written");
  std::vector<char*> argv;
  for (std::string& argument : *arguments) argv.push_back(argument.data());
  CLI::App app{"nfsctl: the NFS server's shared files from the command line", "nfsctl"};
  app.require_subcommand(1);
  // Options of the whole program may follow the verb.
  app.fallthrough();
  Settings settings;
  app.add_option("--install-dir", settings.installDir,
                 "Install directory, in place of norvo.ini's and the registry's");
  app.add_option("--system-dir", settings.systemDir, "System directory that holds drivers\\etc\\passwd and group");
  app.add_flag("--json", settings.json, "JSON output");
  app.add_flag("--force", settings.force,
               "Write although another program changed the file since it was read, or a running console holds it");

  int exitCode = kExitOk;
  AddExportsCommands(app, settings, exitCode);
  AddMappingCommands(app, settings, exitCode);
  AddPrinterCommands(app, settings, exitCode);
  AddQueueCommands(app, settings, exitCode);
  AddStatusCommands(app, settings, exitCode);
  AddOptionsCommands(app, settings, exitCode);
  AddCheckCommand(app, settings, exitCode);
  AddAccessCommand(app, settings, exitCode);

  // CLI11 reports bad usage by exception; it stops here, as an exit code.
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::ParseError& error) {
    // --help, on the program or on any verb.
    if (error.get_exit_code() == 0) return app.exit(error);
    return Fail(kExitFailed, std::string(error.what()) + " (see nfsctl --help)");
  }
  return exitCode;
}
