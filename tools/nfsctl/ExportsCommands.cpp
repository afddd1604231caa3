// exports list | add | remove: the exports file through the core's grammar and writer.
#include <windows.h>

#include <cstdio>

#include "exports/AnnounceAppendedExport.h"
#include "exports/ClientList.h"
#include "exports/ExportEntryStream.h"
#include "exports/ExportLineGrammar.h"
#include "exports/ExportLineProblem.h"
#include "framework/ResMessage.h"
#include "portable/AsciiCase.h"
#include "portable/SharedWithService.h"
#include "portable/UniqueFile.h"
#include "tools/nfsctl/Commands.h"
#include "tools/nfsctl/ExportsFile.h"
#include "tools/nfsctl/FileChange.h"
#include "tools/nfsctl/NumberArgument.h"
#include "tools/nfsctl/Report.h"

namespace {

struct AddArguments {
  std::string directory;
  std::vector<std::string> clients;
  std::vector<std::string> rwList;
  std::optional<std::string> mode;
  bool whatIf = false;
};

// Names given as separate arguments, or joined by commas or blanks.
std::vector<std::string> Names(const std::vector<std::string>& arguments) {
  std::vector<std::string> names;
  for (const std::string& argument : arguments)
    for (std::string& name : ClientListNames(argument)) names.push_back(std::move(name));
  return names;
}

std::string Joined(const std::vector<std::string>& names, const char* separator) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : separator) + name;
  return text;
}

Record RecordOf(const ExportEntry& entry) {
  static const char* const kAccess[] = {"read-only", "read-write", "rw-list"};
  const bool known = entry.mode >= 0 && entry.mode <= 2;
  return {{"directory", DirectoryText(entry)},
          {"all_clients", entry.IsExportedToAll()},
          {"clients", entry.IsExportedToAll() ? std::vector<std::string>{} : Names({entry.clients})},
          {"mode", entry.mode},
          {"access", known ? kAccess[entry.mode] : "unknown"},
          {"rw_list", Names({entry.rwList})}};
}

int List(const Settings& settings) {
  const Located exports = settings.Where().ExportsPath();
  if (!exports.path) return Fail(kExitFailed, exports.problem);
  std::string problem;
  const std::optional<std::vector<ExportEntry>> entries = ReadExports(*exports.path, problem);
  if (!entries) return Fail(kExitFailed, problem);
  std::vector<Record> records;
  for (const ExportEntry& entry : *entries) records.push_back(RecordOf(entry));
  PrintRecords(records, settings.json, KeysOf(RecordOf(ExportEntry{})));
  return kExitOk;
}

int Add(const Settings& settings, const AddArguments& arguments) {
  int failure = kExitOk;
  std::optional<int32_t> mode;
  if (arguments.mode && !(mode = NumberArgument(*arguments.mode, "the mode", failure))) return failure;
  ExportEntry entry;
  if (!ParseDirectory(arguments.directory, entry))
    return Fail(kExitFailed, "\"" + arguments.directory + "\" is not <drive>:<path>, as c:\\public");
  const std::vector<std::string> clients = Names(arguments.clients), rwList = Names(arguments.rwList);
  // An empty list given (an empty script variable, say) must not widen the export
  // to every client, nor drop its R/W list unseen.
  if ((!arguments.clients.empty() && clients.empty()) || (!arguments.rwList.empty() && rwList.empty()))
    return Fail(kExitFailed, "--clients or --rw was given without a host name; nothing was written");
  if (clients.empty()) entry.flags = ExportEntry::kAllClients;
  entry.clients = Joined(clients, ", ");
  entry.rwList = Joined(rwList, ",");
  entry.mode = mode ? *mode : rwList.empty() ? ExportEntry::kReadOnly : ExportEntry::kReadWriteList;
  // Stored in lower case, as the export editor stores a picked drive.
  entry.drive = static_cast<unsigned char>(AsciiLower(static_cast<char>(entry.drive)));
  const char drive = static_cast<char>(entry.drive);
  if (!(drive >= 'a' && drive <= 'z'))
    return Fail(kExitRefused, std::string("refused: the drive ") + drive + " is not a letter; nothing was written");
  // The console's own refusals, for the entry and for the line it appends.
  std::string line = FormatExportLine(entry);
  ExportProblem refused = ExportEntryProblem(entry);
  if (!refused) refused = ExportLineProblem(std::string_view(line).substr(0, line.size() - 1));
  if (refused) return Fail(kExitRefused, "refused: " + ResMessage(refused.stringId, {refused.subject}) + " Nothing was written.");

  const Located exports = settings.Where().ExportsPath();
  if (!exports.path) return Fail(kExitFailed, exports.problem);
  std::string problem;
  const std::optional<std::string> bytes = ReadFileBytes(*exports.path, problem);
  if (!bytes) return Fail(kExitFailed, problem);
  // Appended as the last line: that is the line a running console reads when told.
  line.pop_back();
  const ExportAppend append = AppendExportLine(*bytes, line);
  if (append.refusal == ExportAppend::kEndOfFileMark)
    return Fail(kExitRefused, "refused: line " + std::to_string(append.markLine) + " of " + *exports.path +
                                  " holds an end-of-file mark (Ctrl+Z), after which the console reads nothing, "
                                  "the added line neither; nothing was written");
  if (append.refusal == ExportAppend::kExportedAlready)
    return Fail(kExitRefused,
                "refused: " + DirectoryText(append.existing) + " is exported already; nothing was written");
  const int result = ApplyChange(*exports.path, *bytes, *bytes + append.appended, arguments.whatIf, settings);
  if (result == kExitOk && !arguments.whatIf && AnnounceAppendedExport() && !settings.json)
    std::printf("the running console lists it now\n");
  return result;
}

int Remove(const Settings& settings, const std::string& directory, bool whatIf) {
  ExportEntry removed;
  if (!ParseDirectory(directory, removed))
    return Fail(kExitFailed, "\"" + directory + "\" is not <drive>:<path>, as c:\\public");
  const Located exports = settings.Where().ExportsPath();
  if (!exports.path) return Fail(kExitFailed, exports.problem);
  std::string problem;
  const std::optional<std::string> bytes = ReadFileBytes(*exports.path, problem);
  if (!bytes) return Fail(kExitFailed, problem);
  const std::string kept = WithoutExportLinesOf(*bytes, removed);
  if (kept == *bytes) return Fail(kExitRefused, directory + " is not exported; nothing was written");
  const int result = ApplyChange(*exports.path, *bytes, kept, whatIf, settings);
  // The console has no message for a removal; its next save finds the file changed.
  if (result == kExitOk && !whatIf && FindWindowA(kMainWindowClass, nullptr))
    std::fprintf(stderr, "nfsctl: the running console still lists %s until it reloads the file; its next change "
                 "asks whether to reload it or write the export back\n", directory.c_str());
  return result;
}

}  // namespace

void AddExportsCommands(CLI::App& app, const Settings& settings, int& exitCode) {
  CLI::App* exports = app.add_subcommand("exports", "The exported directories (the exports file)");
  exports->require_subcommand(1);

  exports->add_subcommand("list", "List the exports the console reads")->callback([&] { exitCode = List(settings); });

  auto add = std::make_shared<AddArguments>();
  CLI::App* addVerb = exports->add_subcommand("add", "Export a directory and tell a running console");
  addVerb->add_option("PATH", add->directory, "<drive>:<path>, as c:\\public")->required();
  addVerb->add_option("--clients", add->clients, "Client hosts (none: all clients)");
  addVerb->add_option("--rw", add->rwList, "Hosts of the R/W list");
  addVerb->add_option("--mode", add->mode, "0 read only, 1 read/write, 2 R/W list (default 0, or 2 with --rw)");
  AddWhatIf(*addVerb, add->whatIf);
  addVerb->callback([&settings, &exitCode, add] { exitCode = Add(settings, *add); });

  auto removed = std::make_shared<std::pair<std::string, bool>>();
  CLI::App* removeVerb = exports->add_subcommand("remove", "Stop exporting a directory");
  removeVerb->add_option("PATH", removed->first, "<drive>:<path>, as c:\\public")->required();
  AddWhatIf(*removeVerb, removed->second);
  removeVerb->callback([&settings, &exitCode, removed] {
    exitCode = Remove(settings, removed->first, removed->second);
  });
}
