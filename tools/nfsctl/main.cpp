// nfsctl: the console's jobs from a script. Every verb reads and writes the same
// files and registry values as the console, through the same core functions and
// with the same refusals; `check` says what the console or the service would
// lose or misread, and `access` what the files grant one client.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>

#include "framework/AnsiLeadBytes.h"
#include "framework/AnsiText.h"
#include "framework/ChangeHistory.h"
#include "tools/nfsctl/Commands.h"
#include "tools/nfsctl/Report.h"

namespace {

// Whether --json was given: errors are then JSON from the first one on, even
// those about the command line itself.
bool JsonAsked() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments) return false;
  const bool asked = std::any_of(arguments + 1, arguments + count, [](LPCWSTR a) { return wcscmp(a, L"--json") == 0; });
  LocalFree(arguments);
  return asked;
}

// Every verb's help names the options of the whole program too.
void ShowGlobalOptionsInHelp(CLI::App& app, const std::string& footer) {
  for (CLI::App* verb : app.get_subcommands({})) {
    verb->footer(footer);
    ShowGlobalOptionsInHelp(*verb, footer);
  }
}

// The refusal of a first word that is no verb, naming the verbs there are;
// none when it is one.
std::optional<std::string> UnknownVerbText(CLI::App& app, const std::string& word) {
  std::string verbs;
  for (const CLI::App* verb : app.get_subcommands({})) {
    if (verb->get_name() == word) return std::nullopt;
    verbs += " " + verb->get_name();
  }
  return "unknown verb \"" + word + "\"; the verbs are:" + verbs;
}

// The command line as the history keeps it: arguments with blanks quoted.
std::string CommandLine(const std::vector<std::string>& arguments) {
  std::string line = "nfsctl";
  for (size_t i = 1; i < arguments.size(); ++i)
    line += arguments[i].find(' ') == std::string::npos ? " " + arguments[i] : " \"" + arguments[i] + "\"";
  return line;
}

}  // namespace

int main() {
  // Double-byte names compare and split as the console does.
  UseAnsiLeadBytes();
  ReportErrorsAsJson(JsonAsked());
  // Names are stored as the console stores them: a character the code page lacks
  // is refused, never written as '?' or as a look-alike.
  std::string problem;
  std::optional<std::vector<std::string>> arguments = ExactAnsiArguments(problem);
  if (!arguments) return Fail(kExitRefused, "refused: " + problem + "; nothing was written");
  SetChangeProgram("nfsctl");
  SetChangeAction(CommandLine(*arguments));
  std::vector<char*> argv;
  for (std::string& argument : *arguments) argv.push_back(argument.data());
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
  AddStateCommands(app, settings, exitCode);

  ShowGlobalOptionsInHelp(app, "Options of every verb: --install-dir DIR, --system-dir DIR, --json, --force, --reason TEXT\n");

  // CLI11 reports bad usage by exception; it stops here, as an exit code.
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::ParseError& error) {
    // --help, on the program or on any verb.
    if (error.get_exit_code() == 0) return app.exit(error);
    if (argv.size() > 1 && argv[1][0] != '-')
      if (const std::optional<std::string> unknown = UnknownVerbText(app, argv[1]))
        return Fail(kExitFailed, *unknown);
    return Fail(kExitFailed, std::string(error.what()) + " (see nfsctl --help)");
  }
  // The change stands; only its history is missing.
  std::string unkept = TakeUnkeptVersions();
  for (size_t end; !unkept.empty(); unkept.erase(0, end == std::string::npos ? end : end + 1)) {
    end = unkept.find('\n');
    Note("warning: " + unkept.substr(0, end));
  }
  return exitCode;
}
