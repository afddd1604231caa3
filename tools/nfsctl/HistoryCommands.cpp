// history [FILE] | history show ID | history diff ID [ID2], restore ID and
// audit: the versions every program kept of the shared files and values
// (framework/ ChangeHistory.h), who made each change and why. Text from a
// file's content is printed with its control characters escaped; the header
// values were escaped when kept.
#include <cstdio>

#include "framework/ChangeHistory.h"
#include "portable/WholeFile.h"
#include "tools/nfsctl/Commands.h"
#include "tools/nfsctl/FileChange.h"
#include "tools/nfsctl/Report.h"
#include "tools/nfsctl/UnifiedDiff.h"

namespace {

struct Arguments {
  std::string file;
  std::string since;
  std::string id;
  std::string otherId;
  bool csv = false;
  bool whatIf = false;
};

// "2026-12-07", "2026-12-07T08:30" or "2026-12-07T08:30:15" (UTC, 'T' or a
// blank between) as the start of a version's utc text; none when it is no date.
std::optional<std::string> SinceKey(std::string date) {
  constexpr std::string_view kPattern = "dddd-dd-ddTdd:dd:dd";
  if (date.size() > 10 && date[10] == ' ') date[10] = 'T';
  if (date.size() != 10 && date.size() != 16 && date.size() != 19) return std::nullopt;
  for (size_t i = 0; i < date.size(); ++i)
    if (kPattern[i] == 'd' ? !(date[i] >= '0' && date[i] <= '9') : date[i] != kPattern[i]) return std::nullopt;
  return date;
}

// Versions of mountd.list and Unlock.NLM hold what was cleared or requested,
// those of the server options their values: not a whole file to compare or put
// back.
bool WholeFile(const Version& version) {
  for (const char* notAFile : {"mountd.list", "Unlock.NLM", "options"})
    if (version.file == notAFile) return false;
  return true;
}

// The history, once what was changed outside since its newest versions is kept.
std::optional<VersionStore> Store(int& failure) {
  std::optional<VersionStore> store = HistoryStore();
  if (!store) {
    failure = Fail(kExitFailed, "norvo.ini names no install directory: give --install-dir");
    return store;
  }
  for (const Version& version : store->NewestOfEachFile())
    if (WholeFile(version)) NoticeOutsideChange(version.path);
  return store;
}

// The versions of file (all when empty) kept since the date, newest first.
std::optional<std::vector<Version>> Versions(const std::string& file, const std::string& since, int& failure) {
  const std::optional<std::string> from = since.empty() ? std::string() : SinceKey(since);
  if (!from) {
    failure = Fail(kExitFailed, "--since " + since + " is not a date such as 2026-12-07 or 2026-12-07T08:30 (UTC)");
    return std::nullopt;
  }
  const std::optional<VersionStore> store = Store(failure);
  if (!store) return std::nullopt;
  std::vector<Version> versions = store->List(file.empty() ? file : VersionFileName(file));
  std::erase_if(versions, [&from](const Version& version) { return version.utc < *from; });
  return versions;
}

Record HistoryRecord(const Version& version) {
  return {{"id", version.id},
          {"time", version.utc},
          {"account", version.origin.account},
          {"program", version.origin.program},
          {"file", version.file},
          {"reason", version.origin.reason},
          {"added", version.added},
          {"removed", version.removed}};
}

Record AuditRecord(const Version& version) {
  return {{"id", version.id},
          {"time", version.utc},
          {"local_time", version.local},
          {"account", version.origin.account},
          {"machine", version.origin.machine},
          {"program", version.origin.program},
          {"action", version.origin.action},
          {"file", version.file},
          {"path", version.path},
          {"reason", version.origin.reason},
          {"added", version.added},
          {"removed", version.removed},
          {"previous_hash", version.previousHash},
          {"new_hash", version.newHash}};
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

void PrintCsv(const std::vector<Record>& records, const std::vector<std::string>& columns) {
  std::string out;
  for (const std::string& column : columns) out += (out.empty() ? "" : ",") + column;
  out += "\n";
  for (const Record& record : records) {
    bool first = true;
    for (const auto& value : record) {
      out += (first ? "" : ",") + CsvField(value.is_string() ? value.get<std::string>() : value.dump());
      first = false;
    }
    out += "\n";
  }
  std::fputs(out.c_str(), stdout);
}

// The versions of file (all when empty) since the date, a row each.
int PrintVersions(const Settings& settings, const std::string& file, const std::string& since, bool csv,
                  Record (*row)(const Version&)) {
  int failure = kExitOk;
  const std::optional<std::vector<Version>> versions = Versions(file, since, failure);
  if (!versions) return failure;
  std::vector<Record> records;
  for (const Version& version : *versions) records.push_back(row(version));
  if (csv)
    PrintCsv(records, KeysOf(row(Version{})));
  else
    PrintRecords(records, settings.json, KeysOf(row(Version{})));
  return kExitOk;
}

// The version with that id and its bytes; none, with the exit code, when there
// is none.
std::optional<std::pair<Version, std::string>> Kept(const std::string& id, int& failure) {
  const std::optional<VersionStore> store = Store(failure);
  if (!store) return std::nullopt;
  std::optional<Version> version = store->Find(id);
  std::optional<std::string> bytes = version ? store->Bytes(id) : std::nullopt;
  if (!bytes) {
    failure = Fail(kExitFailed, version ? "the version " + id + " cannot be read"
                                        : "no version " + id + " in " + store->Folder() + " (see nfsctl history)");
    return std::nullopt;
  }
  return std::make_pair(std::move(*version), std::move(*bytes));
}

int Show(const Settings& settings, const Arguments& args) {
  int failure = kExitOk;
  const auto kept = Kept(args.id, failure);
  if (!kept) return failure;
  Record record = AuditRecord(kept->first);
  if (settings.json) {
    record["content"] = kept->second;
    PrintJson(record);
    return kExitOk;
  }
  std::string out;
  for (auto it = record.begin(); it != record.end(); ++it)
    out += it.key() + ": " + (it->is_string() ? it->get<std::string>() : it->dump()) + "\n";
  std::fputs((out + "\n").c_str(), stdout);
  PrintText(kept->second);
  return kExitOk;
}

int Diff(const Settings& settings, const Arguments& args) {
  int failure = kExitOk;
  const auto from = Kept(args.id, failure);
  if (!from) return failure;
  std::string to;
  if (!args.otherId.empty()) {
    const auto other = Kept(args.otherId, failure);
    if (!other) return failure;
    to = other->second;
  } else {
    const PathRead current = ReadWholeFileAt(from->first.path);
    if (!current.bytes && !current.Missing())
      return Fail(kExitFailed, "cannot read " + from->first.path + " to compare with");
    to = current.bytes.value_or("");
  }
  const std::string diff = UnifiedDiff(from->first.path, from->second, to);
  if (settings.json)
    PrintJson({{"file", from->first.path}, {"diff", diff}});
  else
    PrintText(diff);
  return kExitOk;
}

int Restore(const Settings& settings, const Arguments& args) {
  int failure = kExitOk;
  const auto kept = Kept(args.id, failure);
  if (!kept) return failure;
  const Version& version = kept->first;
  if (!WholeFile(version))
    return Fail(kExitRefused,
                "refused: a version of " + version.file + " is not a whole file to restore; nothing was written");
  std::string problem;
  const std::optional<std::string> current = ReadFileBytes(version.path, problem);
  if (!current) return Fail(kExitFailed, problem);
  return ApplyChange(version.path, *current, kept->second, args.whatIf, settings);
}

}  // namespace

void AddHistoryCommands(CLI::App& app, const Settings& settings, int& exitCode) {
  auto args = std::make_shared<Arguments>();
  CLI::App* history = app.add_subcommand("history", "Versions kept of the shared files, newest first");
  history->require_subcommand(0, 1);
  history->add_option("file", args->file, "Only this file's: exports, passwd, group, printcap, hosts...");
  history->add_option("--since", args->since, "Only versions kept since this UTC date (2026-12-07T08:30)");
  CLI::App* show = history->add_subcommand("show", "One version: who kept it, why, and its content");
  show->add_option("id", args->id, "The version's id")->required();
  CLI::App* diff = history->add_subcommand("diff", "A unified diff from a version to another, or to the file now");
  diff->add_option("id", args->id, "The older version's id")->required();
  diff->add_option("id2", args->otherId, "The newer version's id; the file as it is now when omitted");
  show->callback([&settings, &exitCode, args] { exitCode = Show(settings, *args); });
  diff->callback([&settings, &exitCode, args] { exitCode = Diff(settings, *args); });
  history->callback([&settings, &exitCode, args, history] {
    if (history->get_subcommands().empty())
      exitCode = PrintVersions(settings, args->file, args->since, false, HistoryRecord);
  });

  CLI::App* restore = app.add_subcommand("restore", "Put a version back in its file's place, kept as a new version");
  restore->add_option("id", args->id, "The version's id")->required();
  AddWhatIf(*restore, args->whatIf);
  restore->callback([&settings, &exitCode, args] { exitCode = Restore(settings, *args); });

  CLI::App* audit = app.add_subcommand("audit", "Who changed which file when and why, one row per change");
  audit->add_option("--since", args->since, "Only changes since this UTC date (2026-12-07T08:30)");
  audit->add_flag("--csv", args->csv, "Comma-separated values with a heading row");
  audit->callback([&settings, &exitCode, args] {
    exitCode = args->csv && settings.json ? Fail(kExitFailed, "--json and --csv exclude each other")
                                          : PrintVersions(settings, {}, args->since, args->csv, AuditRecord);
  });
}
