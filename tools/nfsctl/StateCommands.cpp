// state export | apply: the whole configuration as one document, and a server
// made to match one, through the same checks and safe writes as the other verbs.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "exports/ClientList.h"
#include "exports/ExportEntryStream.h"
#include "framework/AnsiText.h"
#include "framework/ChangeHistory.h"
#include "framework/ResMessage.h"
#include "mapping/MappingFile.h"
#include "mapping/MappingList.h"
#include "portable/WholeFile.h"
#include "printing/PrintcapFile.h"
#include "status/ServerOptionsStore.h"
#include "tools/nfsctl/Commands.h"
#include "tools/nfsctl/DesiredState.h"
#include "tools/nfsctl/ExportsFile.h"
#include "tools/nfsctl/FileChange.h"
#include "tools/nfsctl/MappingCheck.h"
#include "tools/nfsctl/OptionsCheck.h"
#include "tools/nfsctl/PrintcapChange.h"
#include "tools/nfsctl/Report.h"
#include "tools/nfsctl/StateMerge.h"
#include "tools/nfsctl/UnifiedDiff.h"

namespace {

struct MappingPart {
  MappingFileKind file;
  const char* part;      // the document's key
  const char* idField;
  const char* fileName;  // as the checker names its findings
  const char* idName;
};
constexpr MappingPart kUsers{MappingFileKind::kPasswd, "users", "uid", "passwd", "UID"};
constexpr MappingPart kGroups{MappingFileKind::kGroup, "groups", "gid", "group", "GID"};

std::optional<std::string> ExactAnsiOfUtf8(const std::string& utf8) {
  if (utf8.empty()) return std::string();
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), length);
  // A NUL would end the text there and store a shorter name.
  if (wide.find(L'\0') != std::wstring::npos) return std::nullopt;
  return ExactAnsi(wide);
}

Record MappingsOf(const std::vector<CUserInfo>& records, const char* idField) {
  Record list = Record::array();
  for (const CUserInfo& record : records) {
    // An ID the service reads as no number is kept as its text, which apply refuses.
    const MappingIdKey id = MappingIdKeyOf(record.m_strId);
    list.push_back({{"name", record.m_strName}, {idField, id.value ? Record(*id.value) : Record(record.m_strId)}});
  }
  return list;
}

// What the console reads of printcap. An entry that follows the default printer
// says so only: its line's printer fields are not read.
Record PrintersOf(std::string_view printcap) {
  PrinterExportTable table;
  ReadPrintcapEntries(printcap, [] { return WindowsPrinter{}; }, table);
  Record list = Record::array();
  for (const PrinterExport& entry : table.Entries()) {
    Record printer{{"name", entry.name}};
    if (entry.useDefault)
      printer["follows_default"] = true;
    else
      printer.update({{"driver", entry.driver}, {"device", entry.device}, {"port", entry.port}});
    if (!entry.extra.empty()) printer["extra"] = entry.extra;
    list.push_back(std::move(printer));
  }
  return list;
}

int Export(const Settings& settings) {
  Record document{{"schema", kStateSchema}, {"version", kStateVersion}};
  const Located exports = settings.Where().ExportsPath();
  if (!exports.path) return Fail(kExitFailed, exports.problem);
  std::string problem;
  const std::optional<std::vector<ExportEntry>> entries = ReadExports(*exports.path, problem);
  if (!entries) return Fail(kExitFailed, problem);
  Record list = Record::array();
  for (const ExportEntry& entry : *entries) {
    Record clients = Record::array(), rwList = Record::array();
    if (!entry.IsExportedToAll())
      for (std::string& name : ClientListNames(entry.clients)) clients.push_back(std::move(name));
    for (std::string& name : ClientListNames(entry.rwList)) rwList.push_back(std::move(name));
    list.push_back({{"directory", DirectoryText(entry)},
                    {"all_clients", entry.IsExportedToAll()},
                    {"clients", clients},
                    {"mode", entry.mode},
                    {"rw_list", rwList}});
  }
  document["exports"] = list;
  for (const MappingPart& part : {kUsers, kGroups}) {
    int failure = kExitOk;
    const std::optional<FileBytes> file = ReadLocatedFile(settings.Where().MappingPath(part.file), failure);
    if (!file) return failure;
    document[part.part] = MappingsOf(ReadMappingRecords(file->bytes), part.idField);
  }
  int failure = kExitOk;
  const std::optional<FileBytes> printcap = ReadLocatedFile(settings.Where().PrintcapPath(), failure);
  if (!printcap) return failure;
  document["printers"] = PrintersOf(printcap->bytes);
  // What the Server Options dialog shows, and so would save; without the key
  // there is nothing to apply them to, so the part is left out.
  if (const auto stored = ReadServerOptions()) {
    const auto shown = OptionValuesShown(stored);
    Record options = Record::object();
    for (size_t i = 0; i < kServerOptionCount; ++i)
      options[kStateOptionNames[i]] = i < kFirstSizeOption ? Record(shown[i] != 0) : Record(shown[i]);
    document["options"] = options;
  }
  PrintJson(document);
  return kExitOk;
}

struct ApplyArguments {
  std::string file;
  bool whatIf = false;
  bool prune = false;
};

// A file's change: its bytes as read and as they become.
struct FilePlan {
  std::string path;
  std::string oldBytes;
  std::string newBytes;
};

struct OptionPlan {
  size_t index;
  std::optional<int32_t> from;  // none: missing, or not a 4-byte integer
  int32_t to;
};

std::string ProblemText(const StateProblem& problem) {
  const std::string where = problem.where.empty() ? "the document" : problem.where;
  if (problem.exportProblem)
    return where + ": " + ResMessage(problem.exportProblem.stringId, {problem.exportProblem.subject});
  return where + " " + problem.text;
}

int RefuseDocument(const std::string& file, const StateProblem& problem) {
  return Fail(kExitRefused, "refused: " + file + ": " + ProblemText(problem) + "; nothing was written", file);
}

// Reads the file of a part and adds its change; the exit code of a failure.
int PlanExports(const Settings& settings, const std::vector<ExportEntry>& desired, bool prune,
                std::vector<FilePlan>& plans) {
  int failure = kExitOk;
  const std::optional<FileBytes> file = ReadLocatedFile(settings.Where().ExportsPath(), failure);
  if (!file) return failure;
  // As exports add: a line written after the mark would never be read either.
  if (const auto stop = FindExportsReadStop(file->bytes))
    return Fail(kExitRefused, "refused: line " + std::to_string(stop->line) + " of " + file->path +
                                  " holds an end-of-file mark (Ctrl+Z), after which the console reads nothing; "
                                  "nothing was written",
                file->path);
  plans.push_back({file->path, file->bytes, MergedExportsFile(file->bytes, desired, prune)});
  return kExitOk;
}

int PlanMappings(const Settings& settings, const MappingPart& part, const std::vector<CUserInfo>& desired,
                 const ApplyArguments& arguments, std::vector<FilePlan>& plans) {
  int failure = kExitOk;
  const std::optional<FileBytes> file = ReadLocatedFile(settings.Where().MappingPath(part.file), failure);
  if (!file) return failure;
  // A save writes only what the console read: refuse when that would lose lines.
  if (auto loss = MappingSaveLoss(file->path, file->bytes, part.fileName, part.idName))
    return Fail(kExitRefused, "refused: saving " + file->path + " would lose data (" + *loss +
                                  "); nothing was written", file->path);
  StateProblem problem;
  const auto merged = MergedMappings(ReadMappingRecords(file->bytes), desired, arguments.prune, part.part,
                                     part.idField, problem);
  if (!merged) return RefuseDocument(arguments.file, problem);
  plans.push_back({file->path, file->bytes, MappingFileBytes(*merged)});
  return kExitOk;
}

int PlanPrintcap(const Settings& settings, const std::vector<PrinterExport>& desired, const ApplyArguments& arguments,
                 std::vector<FilePlan>& plans) {
  int failure = kExitOk;
  const std::optional<FileBytes> file = ReadLocatedFile(settings.Where().PrintcapPath(), failure);
  if (!file) return failure;
  StateProblem problem;
  const auto merged =
      MergedPrintcapFile(file->bytes, desired, arguments.prune, Installation::DefaultPrinter(), problem);
  if (!merged) return RefuseDocument(arguments.file, problem);
  // A printers part that matches already writes nothing, which a running console does not refuse.
  const bool writes = !arguments.whatIf && *merged != file->bytes;
  if (auto refusal = PrintcapChangeRefusal(file->path, file->bytes, writes, settings))
    return Fail(kExitRefused, *refusal, file->path);
  plans.push_back({file->path, file->bytes, *merged});
  return kExitOk;
}

int PlanOptions(const DesiredState& state, std::vector<OptionPlan>& plans) {
  if (std::none_of(state.options.begin(), state.options.end(), [](const auto& value) { return value.has_value(); }))
    return kExitOk;
  const auto stored = ReadServerOptions();
  if (!stored) return Fail(kExitFailed, OptionsKeyProblem() + "; nothing was written");
  for (size_t i = 0; i < kServerOptionCount; ++i) {
    const StoredOption& old = (*stored)[i];
    const std::optional<int32_t> from = old.state == StoredOption::kDword ? std::optional(old.value) : std::nullopt;
    if (state.options[i] && from != state.options[i]) plans.push_back({i, from, *state.options[i]});
  }
  if (!plans.empty() && !ServerOptionsWritable()) return Fail(kExitFailed, OptionsKeyProblem() + "; nothing was written");
  return kExitOk;
}

// Puts back the files written so far; what could not be put back.
std::string WriteBack(const std::vector<FilePlan>& written) {
  std::string lost;
  for (const FilePlan& plan : written)
    if (!WriteReadFile(plan.path, plan.oldBytes).empty()) lost += (lost.empty() ? "" : ", ") + plan.path;
  return lost;
}

std::string UndoneText(const std::vector<FilePlan>& written) {
  if (written.empty()) return "nothing was written";
  const std::string lost = WriteBack(written);
  return lost.empty() ? "the files written before it were written back as they were"
                      : "writing back failed for " + lost + ", which hold the document's change";
}

// Writes every change or none; the exit code.
int Write(const std::vector<FilePlan>& files, const std::vector<OptionPlan>& options, const Settings& settings) {
  for (const FilePlan& plan : files)
    if (auto refused = ChangedSinceRead(plan.path, settings)) return Fail(kExitRefused, *refused, plan.path);
  std::vector<FilePlan> written;
  for (const FilePlan& plan : files) {
    const std::string error = WriteReadFile(plan.path, plan.newBytes);
    if (!error.empty())
      return Fail(kExitFailed, "cannot write " + plan.path + ": " + error + "; " + UndoneText(written), plan.path);
    written.push_back(plan);
  }
  for (size_t i = 0; i < options.size(); ++i) {
    if (WriteServerOption(kServerOptionNames[options[i].index], options[i].to)) continue;
    for (size_t j = 0; j < i; ++j)
      if (options[j].from) WriteServerOption(kServerOptionNames[options[j].index], *options[j].from);
    return Fail(kExitFailed, std::string("cannot set \"") + kServerOptionNames[options[i].index] + "\"; " +
                                 UndoneText(written));
  }
  if (!options.empty()) RecordServerOptions();
  return kExitOk;
}

void Report(const std::vector<FilePlan>& files, const std::vector<OptionPlan>& options, const Settings& settings) {
  const bool changed = !files.empty() || !options.empty();
  auto valueText = [](const std::optional<int32_t>& value) {
    return value ? std::to_string(*value) : std::string("(missing)");
  };
  if (!settings.json) {
    for (const FilePlan& plan : files) PrintText(UnifiedDiff(plan.path, plan.oldBytes, plan.newBytes));
    for (const OptionPlan& option : options)
      std::printf("option %s: %s -> %d\n", kStateOptionNames[option.index], valueText(option.from).c_str(), option.to);
    std::printf("%s\n", changed ? "changed" : "unchanged");
    return;
  }
  Record fileList = Record::array(), optionList = Record::array();
  for (const FilePlan& plan : files)
    fileList.push_back({{"file", plan.path}, {"diff", UnifiedDiff(plan.path, plan.oldBytes, plan.newBytes)}});
  for (const OptionPlan& option : options)
    optionList.push_back({{"name", kStateOptionNames[option.index]},
                          {"from", option.from ? Record(*option.from) : Record()},
                          {"to", option.to}});
  PrintJson({{"changed", changed}, {"files", fileList}, {"options", optionList}});
}

int Apply(const Settings& settings, const ApplyArguments& arguments) {
  const PathRead read = ReadWholeFileAt(arguments.file);
  if (!read.bytes)
    return Fail(kExitFailed, "cannot read " + arguments.file + (read.error ? std::string(": ") + std::strerror(read.error) : ""),
                arguments.file);
  StateProblem problem;
  const std::optional<DesiredState> state = ReadDesiredState(*read.bytes, ExactAnsiOfUtf8, problem);
  if (!state) return RefuseDocument(arguments.file, problem);

  std::vector<FilePlan> files;
  int failure = kExitOk;
  if (state->exports && (failure = PlanExports(settings, *state->exports, arguments.prune, files)) != kExitOk)
    return failure;
  if (state->users && (failure = PlanMappings(settings, kUsers, *state->users, arguments, files)) != kExitOk)
    return failure;
  if (state->groups && (failure = PlanMappings(settings, kGroups, *state->groups, arguments, files)) != kExitOk)
    return failure;
  if (state->printers && (failure = PlanPrintcap(settings, *state->printers, arguments, files)) != kExitOk)
    return failure;
  std::vector<OptionPlan> options;
  if ((failure = PlanOptions(*state, options)) != kExitOk) return failure;
  std::erase_if(files, [](const FilePlan& plan) { return plan.newBytes == plan.oldBytes; });

  if (!arguments.whatIf && (failure = Write(files, options, settings)) != kExitOk) return failure;
  Report(files, options, settings);
  return kExitOk;
}

}  // namespace

void AddStateCommands(CLI::App& app, const Settings& settings, int& exitCode) {
  CLI::App* state = app.add_subcommand("state", "The whole configuration as one document");
  state->require_subcommand(1);
  state->add_subcommand("export", "Print exports, mappings, printers and options as one JSON document")->callback([&] {
    exitCode = Export(settings);
  });

  auto arguments = std::make_shared<ApplyArguments>();
  CLI::App* apply = app.add_subcommand("apply", "Make the server match a document of state export");
  apply->add_option("FILE", arguments->file, "The document")->required();
  AddWhatIf(*apply, arguments->whatIf);
  apply->add_flag("--prune", arguments->prune, "Remove the exports, mappings and printers the document does not name");
  apply->callback([&settings, &exitCode, arguments] { exitCode = Apply(settings, *arguments); });
}
