// exports list | add | set | remove: the exports file through the core's grammar and writer.
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

// The options of add and set; set leaves what is not given as it was.
struct EntryArguments {
  std::string directory;
  std::vector<std::string> clients;
  std::vector<std::string> rwList;
  std::optional<std::string> mode;
  bool allClients = false;
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

// The host lists and mode given; none, after saying why, with the exit code in failure.
struct GivenValues {
  std::vector<std::string> clients, rwList;
  std::optional<int32_t> mode;
};
std::optional<GivenValues> Given(const EntryArguments& arguments, int& failure) {
  GivenValues given{Names(arguments.clients), Names(arguments.rwList), std::nullopt};
  if (arguments.mode && !(given.mode = NumberArgument(*arguments.mode, "the mode", failure))) return std::nullopt;
  // An empty list given (an empty script variable, say) must not widen the export
  // to every client, nor drop its R/W list unseen.
  if ((!arguments.clients.empty() && given.clients.empty()) || (!arguments.rwList.empty() && given.rwList.empty())) {
    failure = Fail(kExitFailed, "--clients or --rw was given without a host name; nothing was written");
    return std::nullopt;
  }
  return given;
}

// The line the console writes for entry, without its line end; none, after
// saying why, when the console would refuse the entry or the line.
std::optional<std::string> WrittenLine(const ExportEntry& entry, int& failure) {
  std::string line = FormatExportLine(entry);
  line.pop_back();
  ExportProblem refused = ExportEntryProblem(entry);
  if (!refused) refused = ExportLineProblem(line);
  if (!refused) return line;
  failure = Fail(kExitRefused, "refused: " + ResMessage(refused.stringId, {refused.subject}) + " Nothing was written.");
  return std::nullopt;
}

// The console has no message for a change it did not make itself; its next save
// finds the file changed.
void SayRunningConsoleShowsTheOldExport(const std::string& directory) {
  if (FindWindowA(kMainWindowClass, nullptr))
    Note("the running console still lists " + directory + " as it was until it reloads the file; its next "
         "change asks whether to reload it or write its own list back");
}

// The directory given; none, after saying why, when it is not <drive>:<path>.
std::optional<ExportEntry> DirectoryArgument(const std::string& text, int& failure) {
  ExportEntry entry;
  if (ParseDirectory(text, entry)) return entry;
  failure = Fail(kExitFailed, "\"" + text + "\" is not <drive>:<path>, as c:\\public");
  return std::nullopt;
}

int Add(const Settings& settings, const EntryArguments& arguments) {
  int failure = kExitOk;
  const std::optional<GivenValues> given = Given(arguments, failure);
  std::optional<ExportEntry> directory;
  if (!given || !(directory = DirectoryArgument(arguments.directory, failure))) return failure;
  ExportEntry entry = std::move(*directory);
  if (given->clients.empty()) entry.flags = ExportEntry::kAllClients;
  entry.clients = Joined(given->clients, ", ");
  entry.rwList = Joined(given->rwList, ",");
  entry.mode = given->mode ? *given->mode
               : given->rwList.empty() ? ExportEntry::kReadOnly
                                       : ExportEntry::kReadWriteList;
  // Stored in lower case, as the export editor stores a picked drive.
  entry.drive = static_cast<unsigned char>(AsciiLower(static_cast<char>(entry.drive)));
  const char drive = static_cast<char>(entry.drive);
  if (!(drive >= 'a' && drive <= 'z'))
    return Fail(kExitRefused, std::string("refused: the drive ") + drive + " is not a letter; nothing was written");
  // The console's own refusals, for the entry and for the line it appends.
  const std::optional<std::string> line = WrittenLine(entry, failure);
  if (!line) return failure;

  const std::optional<FileBytes> exports = ReadLocatedFile(settings.Where().ExportsPath(), failure);
  if (!exports) return failure;
  // Appended as the last line: that is the line a running console reads when told.
  const ExportAppend append = AppendExportLine(exports->bytes, *line);
  if (append.refusal == ExportAppend::kEndOfFileMark)
    return Fail(kExitRefused, "refused: line " + std::to_string(append.markLine) + " of " + exports->path +
                                  " holds an end-of-file mark (Ctrl+Z), after which the console reads nothing, "
                                  "the added line neither; nothing was written");
  if (append.refusal == ExportAppend::kExportedAlready)
    return Fail(kExitRefused,
                "refused: " + DirectoryText(append.existing) + " is exported already; nothing was written");
  const int result =
      ApplyChange(exports->path, exports->bytes, exports->bytes + append.appended, arguments.whatIf, settings);
  if (result == kExitOk && !arguments.whatIf && AnnounceAppendedExport() && !settings.json)
    std::printf("the running console lists it now\n");
  return result;
}

int Remove(const Settings& settings, const std::string& directory, bool whatIf) {
  int failure = kExitOk;
  const std::optional<ExportEntry> removed = DirectoryArgument(directory, failure);
  if (!removed) return failure;
  const std::optional<FileBytes> exports = ReadLocatedFile(settings.Where().ExportsPath(), failure);
  if (!exports) return failure;
  const std::string kept = WithoutExportLinesOf(exports->bytes, *removed);
  if (kept == exports->bytes) return Fail(kExitRefused, directory + " is not exported; nothing was written");
  const int result = ApplyChange(exports->path, exports->bytes, kept, whatIf, settings);
  if (result == kExitOk && !whatIf) SayRunningConsoleShowsTheOldExport(directory);
  return result;
}

// The one line of the export is written anew in its place; every other byte stays.
int Set(const Settings& settings, const EntryArguments& arguments) {
  int failure = kExitOk;
  const std::optional<GivenValues> given = Given(arguments, failure);
  std::optional<ExportEntry> wanted;
  if (!given || !(wanted = DirectoryArgument(arguments.directory, failure))) return failure;
  const std::optional<FileBytes> exports = ReadLocatedFile(settings.Where().ExportsPath(), failure);
  if (!exports) return failure;
  const std::optional<ExportLineAt> found = FirstExportLineOf(exports->bytes, *wanted);
  if (!found) return Fail(kExitRefused, arguments.directory + " is not exported; nothing was written");
  ExportEntry entry = found->entry;
  if (arguments.allClients) {
    entry.flags |= ExportEntry::kAllClients;
    entry.clients.clear();
  } else if (!given->clients.empty()) {
    entry.flags &= ~ExportEntry::kAllClients;
    entry.clients = Joined(given->clients, ", ");
  }
  if (!given->rwList.empty()) entry.rwList = Joined(given->rwList, ",");
  if (given->mode) entry.mode = *given->mode;
  const std::optional<std::string> line = WrittenLine(entry, failure);
  if (!line) return failure;
  const std::string changed = std::string(exports->bytes).replace(found->offset, found->length, *line);
  const int result = ApplyChange(exports->path, exports->bytes, changed, arguments.whatIf, settings);
  if (result == kExitOk && !arguments.whatIf) SayRunningConsoleShowsTheOldExport(DirectoryText(entry));
  return result;
}

}  // namespace

void AddExportsCommands(CLI::App& app, const Settings& settings, int& exitCode) {
  CLI::App* exports = app.add_subcommand("exports", "The exported directories (the exports file)");
  exports->require_subcommand(1);

  exports->add_subcommand("list", "List the exports the console reads")->callback([&] { exitCode = List(settings); });

  auto add = std::make_shared<EntryArguments>();
  CLI::App* addVerb = exports->add_subcommand("add", "Export a directory and tell a running console");
  addVerb->add_option("PATH", add->directory, "<drive>:<path>, as c:\\public")->required();
  addVerb->add_option("--clients", add->clients, "Client hosts (none: all clients)");
  addVerb->add_option("--rw", add->rwList, "Hosts of the R/W list");
  addVerb->add_option("--mode", add->mode, "0 read only, 1 read/write, 2 R/W list (default 0, or 2 with --rw)");
  AddWhatIf(*addVerb, add->whatIf);
  addVerb->callback([&settings, &exitCode, add] { exitCode = Add(settings, *add); });

  auto set = std::make_shared<EntryArguments>();
  CLI::App* setVerb = exports->add_subcommand("set", "Change an export in its place in the file");
  setVerb->add_option("PATH", set->directory, "<drive>:<path>, as c:\\public, in any spelling")->required();
  CLI::Option* clients = setVerb->add_option("--clients", set->clients, "Client hosts, in place of the export's");
  setVerb->add_option("--rw", set->rwList, "Hosts of the R/W list, in place of the export's");
  setVerb->add_option("--mode", set->mode, "0 read only, 1 read/write, 2 R/W list");
  setVerb->add_flag("--all-clients", set->allClients, "Export to every client")->excludes(clients);
  AddWhatIf(*setVerb, set->whatIf);
  setVerb->callback([&settings, &exitCode, set] { exitCode = Set(settings, *set); });

  auto removed = std::make_shared<std::pair<std::string, bool>>();
  CLI::App* removeVerb = exports->add_subcommand("remove", "Stop exporting a directory");
  removeVerb->add_option("PATH", removed->first, "<drive>:<path>, as c:\\public")->required();
  AddWhatIf(*removeVerb, removed->second);
  removeVerb->callback([&settings, &exitCode, removed] {
    exitCode = Remove(settings, removed->first, removed->second);
  });
}
