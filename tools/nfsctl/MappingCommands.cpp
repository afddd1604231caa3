// users list | add | set | remove, and the same for groups: the passwd and group files
// in the console's line form, with the console's refusals.
#include <memory>

#include "mapping/MappingFile.h"
#include "mapping/MappingLine.h"
#include "mapping/MappingList.h"
#include "tools/nfsctl/Commands.h"
#include "tools/nfsctl/FileChange.h"
#include "tools/nfsctl/MappingCheck.h"
#include "tools/nfsctl/NumberArgument.h"
#include "tools/nfsctl/Report.h"

namespace {

struct MappingKind {
  MappingFileKind file;
  const char* fileName;  // as the checker names its findings
  const char* idName;
  const char* idField;   // the JSON field of the ID
};
constexpr MappingKind kUsers{MappingFileKind::kPasswd, "passwd", "UID", "uid"};
constexpr MappingKind kGroups{MappingFileKind::kGroup, "group", "GID", "gid"};

// What the console's page says when either the ID or the name is mapped already.
constexpr char kMappingExists[] = "The mapping for this account already exists, remove it before mapping !";

struct Arguments {
  std::string name;
  std::string id;
  bool whatIf = false;
};

// The file's path, bytes and records, or the exit code of the failure.
struct MappingFileState {
  std::string path;
  std::string bytes;
  std::vector<CUserInfo> records;
};

std::optional<MappingFileState> Load(const Settings& settings, const MappingKind& kind, int& failure) {
  std::optional<FileBytes> file = ReadLocatedFile(settings.Where().MappingPath(kind.file), failure);
  if (!file) return std::nullopt;
  std::vector<CUserInfo> records = ReadMappingRecords(file->bytes);
  return MappingFileState{std::move(file->path), std::move(file->bytes), std::move(records)};
}

int Save(const Settings& settings, const MappingFileState& state, const std::vector<CUserInfo>& records,
         const MappingKind& kind, bool whatIf) {
  // A save writes only what the console read: refuse when that would lose lines.
  if (auto loss = MappingSaveLoss(state.path, state.bytes, kind.fileName, kind.idName))
    return Fail(kExitRefused, "refused: saving " + state.path + " would lose data (" + *loss +
                                  "); nothing was written");
  return ApplyChange(state.path, state.bytes, MappingFileBytes(records), whatIf, settings);
}

// The first line mapping name, which a change or removal takes; none, after
// saying so, when no line does.
std::optional<size_t> FirstMapped(const MappingFileState& state, const std::string& name, int& failure) {
  const std::optional<size_t> index = FirstMappingNamed(state.records, name);
  if (!index) failure = Fail(kExitRefused, name + " is not mapped; nothing was written");
  return index;
}

int IdTaken(const MappingKind& kind, const std::string& idText) {
  return Fail(kExitRefused, std::string(kMappingExists) + " (" + kind.idName + " " + idText + " is mapped)");
}

// The ID text of a new mapping of name; none, after saying why, when the file
// would not carry the line.
std::optional<std::string> NewIdText(const MappingKind& kind, const Arguments& arguments, int& failure) {
  const std::optional<int32_t> id = NumberArgument(arguments.id, kind.idName, failure);
  if (!id) return std::nullopt;
  std::string idText = MappingIdText(*id);
  if (auto problem = MappingNameProblem(arguments.name, idText)) {
    failure = Fail(kExitRefused, "refused: " + *problem + "; nothing was written");
    return std::nullopt;
  }
  return idText;
}

int List(const Settings& settings, const MappingKind& kind) {
  int failure = kExitOk;
  const auto state = Load(settings, kind, failure);
  if (!state) return failure;
  std::vector<Record> records;
  for (const CUserInfo& record : state->records) records.push_back({{"name", record.m_strName}, {kind.idField, record.m_strId}});
  PrintRecords(records, settings.json, {"name", kind.idField});
  return kExitOk;
}

int Add(const Settings& settings, const MappingKind& kind, const Arguments& arguments) {
  int failure = kExitOk;
  const std::optional<std::string> idText = NewIdText(kind, arguments, failure);
  if (!idText) return failure;
  auto state = Load(settings, kind, failure);
  if (!state) return failure;
  switch (FindMappingConflict(state->records, arguments.name, *idText)) {
    case MappingConflict::kIdTaken:
      return IdTaken(kind, *idText);
    case MappingConflict::kNameTaken:
      return Fail(kExitRefused, std::string(kMappingExists) + " (" + arguments.name + " is mapped)");
    case MappingConflict::kNone:
      break;
  }
  std::vector<CUserInfo> records = state->records;
  records.push_back({arguments.name, *idText});
  return Save(settings, *state, records, kind, arguments.whatIf);
}

// The first mapping of the name takes the ID in its place.
int Set(const Settings& settings, const MappingKind& kind, const Arguments& arguments) {
  int failure = kExitOk;
  const std::optional<std::string> idText = NewIdText(kind, arguments, failure);
  if (!idText) return failure;
  auto state = Load(settings, kind, failure);
  if (!state) return failure;
  const std::optional<size_t> index = FirstMapped(*state, arguments.name, failure);
  if (!index) return failure;
  // Any other line holding the ID, a second one of this name too, is a conflict.
  std::vector<CUserInfo> others = state->records;
  others.erase(others.begin() + static_cast<std::ptrdiff_t>(*index));
  if (FindMappingConflict(others, arguments.name, *idText) == MappingConflict::kIdTaken)
    return IdTaken(kind, *idText);
  std::vector<CUserInfo> records = state->records;
  records[*index].m_strId = *idText;
  return Save(settings, *state, records, kind, arguments.whatIf);
}

int Remove(const Settings& settings, const MappingKind& kind, const Arguments& arguments) {
  int failure = kExitOk;
  auto state = Load(settings, kind, failure);
  if (!state) return failure;
  const std::optional<size_t> index = FirstMapped(*state, arguments.name, failure);
  if (!index) return failure;
  std::vector<CUserInfo> records = state->records;
  records.erase(records.begin() + static_cast<std::ptrdiff_t>(*index));
  return Save(settings, *state, records, kind, arguments.whatIf);
}

void AddGroup(CLI::App& app, const char* name, const char* description, const MappingKind& kind,
              const Settings& settings, int& exitCode) {
  CLI::App* group = app.add_subcommand(name, description);
  group->require_subcommand(1);
  group->add_subcommand("list", "List the mappings the console reads")->callback([&settings, &exitCode, &kind] {
    exitCode = List(settings, kind);
  });

  auto added = std::make_shared<Arguments>();
  CLI::App* add = group->add_subcommand("add", std::string("Map a name to a ") + kind.idName);
  add->add_option("NAME", added->name, "Windows account or group name")->required();
  add->add_option("ID", added->id, kind.idName)->required();
  AddWhatIf(*add, added->whatIf);
  add->callback([&settings, &exitCode, &kind, added] { exitCode = Add(settings, kind, *added); });

  auto changed = std::make_shared<Arguments>();
  CLI::App* set = group->add_subcommand("set", std::string("Give the first mapping of a name another ") + kind.idName);
  set->add_option("NAME", changed->name, "Windows account or group name")->required();
  set->add_option("ID", changed->id, std::string("The new ") + kind.idName)->required();
  AddWhatIf(*set, changed->whatIf);
  set->callback([&settings, &exitCode, &kind, changed] { exitCode = Set(settings, kind, *changed); });

  auto removed = std::make_shared<Arguments>();
  CLI::App* remove = group->add_subcommand("remove", "Remove the first mapping of a name");
  remove->add_option("NAME", removed->name, "Windows account or group name")->required();
  AddWhatIf(*remove, removed->whatIf);
  remove->callback([&settings, &exitCode, &kind, removed] { exitCode = Remove(settings, kind, *removed); });
}

}  // namespace

void AddMappingCommands(CLI::App& app, const Settings& settings, int& exitCode) {
  AddGroup(app, "users", "User name to UID mappings (the passwd file)", kUsers, settings, exitCode);
  AddGroup(app, "groups", "Group name to GID mappings (the group file)", kGroups, settings, exitCode);
}
