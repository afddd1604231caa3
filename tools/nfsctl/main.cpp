// nfsctl: the console's jobs from a script. Every verb reads and writes the same
// files and registry values as the console, through the same core functions and
// with the same refusals; `check` says what the console or the service would
// lose or misread, and `access` what the files grant one client.
#include <cstdio>

#include "framework/AnsiLeadBytes.h"
#include "framework/ChangeHistory.h"
#include "tools/nfsctl/Commands.h"
#include "tools/nfsctl/Report.h"

namespace {
// The command line as the history keeps it: arguments with blanks quoted.
std::string CommandLine(int argc, char** argv) {
  std::string line = "nfsctl";
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    line += arg.find(' ') == std::string::npos ? " " + arg : " \"" + arg + "\"";
  }
  return line;
}
}  // namespace

int main(int argc, char** argv) {
  // Double-byte names compare and split as the console does.
  UseAnsiLeadBytes();
  SetChangeProgram("nfsctl");
  SetChangeAction(CommandLine(argc, argv));
  CLI::App app{"nfsctl: the NFS server's shared files from the command line", "nfsctl"};
  app.require_subcommand(1);
  // Options of the whole program may follow the verb.
  app.fallthrough();
  Settings settings;
  // Options are taken before any verb runs: the history is where the verb reads and writes.
  app.add_option("--install-dir", settings.installDir, "Install directory, in place of norvo.ini's and the registry's")
      ->each([](const std::string& dir) { SetHistoryInstallDir(dir); });
  app.add_option("--system-dir", settings.systemDir, "System directory that holds drivers\\etc\\passwd and group");
  app.add_flag("--json", settings.json, "JSON output");
  app.add_flag("--force", settings.force,
               "Write although another program changed the file since it was read, or a running console holds it");
  app.add_option("--reason", settings.reason, "Why the change is made, kept with its version in the history")
      ->each([](const std::string& reason) { SetChangeReason(reason); });

  int exitCode = kExitOk;
  AddExportsCommands(app, settings, exitCode);
  AddMappingCommands(app, settings, exitCode);
  AddPrinterCommands(app, settings, exitCode);
  AddQueueCommands(app, settings, exitCode);
  AddStatusCommands(app, settings, exitCode);
  AddOptionsCommands(app, settings, exitCode);
  AddCheckCommand(app, settings, exitCode);
  AddAccessCommand(app, settings, exitCode);
  AddHistoryCommands(app, settings, exitCode);

  // CLI11 reports bad usage by exception; it stops here, as an exit code.
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    // --help, on the program or on any verb.
    if (error.get_exit_code() == 0) return app.exit(error);
    return Fail(kExitFailed, std::string(error.what()) + " (see nfsctl --help)");
  }
  // The change stands; only its history is missing.
  std::string unkept = TakeUnkeptVersions();
  for (size_t end; !unkept.empty(); unkept.erase(0, end == std::string::npos ? end : end + 1)) {
    end = unkept.find('\n');
    std::fprintf(stderr, "nfsctl: warning: %s\n", unkept.substr(0, end).c_str());
  }
  return exitCode;
}
