// access HOST [--uid N | --gid N]: what the files grant one client.
#include <memory>

#include "mapping/MappingFile.h"
#include "portable/WholeNumber.h"
#include "tools/nfsctl/Commands.h"
#include "tools/nfsctl/ExportAccess.h"
#include "tools/nfsctl/ExportsFile.h"
#include "tools/nfsctl/NumberArgument.h"
#include "tools/nfsctl/Report.h"

namespace {

struct Arguments {
  std::string host;
  std::optional<std::string> uid;
  std::optional<std::string> gid;
};

const char* AccessText(const ExportAccess& access) {
  if (!access.mountable) return "none";
  return access.readWrite ? "read-write" : "read-only";
}

// The accounts the passwd or group file maps id to, as the service would look it
// up: by the ID's value, so 0500 and 500 are one UID.
Record Mapping(const Installation& where, MappingFileKind kind, int32_t id, int& failure) {
  const Located located = where.MappingPath(kind);
  if (!located.path) {
    failure = Fail(kExitFailed, located.problem);
    return {};
  }
  std::vector<std::string> names;
  for (const CUserInfo& record : ReadMappingFile(*located.path))
    if (ParseWholeNumber(record.m_strId) == id) names.push_back(record.m_strName);
  Record mapping{{kind == MappingFileKind::kPasswd ? "uid" : "gid", id}, {"file", *located.path}, {"mapped_to", names}};
  if (id == 0) mapping["warning"] = "ID 0 is the UNIX superuser's";
  return mapping;
}

int Access(const Settings& settings, const Arguments& arguments) {
  // An empty host would match no export and read as "no access anywhere".
  if (arguments.host.find_first_not_of(" \t") == std::string::npos)
    return Fail(kExitFailed, "the host name is empty");
  int failure = kExitOk;
  const char* idName = arguments.uid ? "UID" : "GID";
  std::optional<int32_t> id;
  if (arguments.uid || arguments.gid) {
    id = NumberArgument(arguments.uid ? *arguments.uid : *arguments.gid, idName, failure);
    if (!id) return failure;
  }
  const Installation where = settings.Where();
  const Located exports = where.ExportsPath();
  if (!exports.path) return Fail(kExitFailed, exports.problem);
  std::string problem;
  const auto entries = ReadExports(*exports.path, problem);
  if (!entries) return Fail(kExitFailed, problem);
  std::vector<Record> rows;
  for (const ExportEntry& entry : *entries) {
    const ExportAccess access = AccessFor(entry, arguments.host);
    rows.push_back({{"directory", DirectoryText(entry)}, {"mountable", access.mountable}, {"access", AccessText(access)}});
  }
  Record mapping;
  if (id) mapping = Mapping(where, arguments.uid ? MappingFileKind::kPasswd : MappingFileKind::kGroup, *id, failure);
  if (failure != kExitOk) return failure;

  if (settings.json) {
    Record document{{"host", arguments.host}, {"exports", rows}};
    if (!mapping.is_null()) document["mapping"] = mapping;
    PrintJson(document);
    return kExitOk;
  }
  PrintRecords(rows, false, {});
  if (!mapping.is_null()) {
    const auto& names = mapping["mapped_to"];
    const std::string which = std::string(idName) + " " + std::to_string(*id);
    std::string text;
    if (names.empty()) text += which + ": no mapping in " + mapping["file"].get<std::string>() + "\n";
    for (const auto& name : names) text += which + " is mapped to " + name.get<std::string>() + "\n";
    if (mapping.contains("warning")) text += "warning: " + mapping["warning"].get<std::string>() + "\n";
    PrintText(text);
  }
  return kExitOk;
}

}  // namespace

void AddAccessCommand(CLI::App& app, const Settings& settings, int& exitCode) {
  auto arguments = std::make_shared<Arguments>();
  CLI::App* access = app.add_subcommand("access", "What the exports grant a client host, and what an ID maps to");
  access->add_option("HOST", arguments->host, "Client host name")->required();
  CLI::Option* uid = access->add_option("--uid", arguments->uid, "A UNIX UID: the account the passwd file maps it to");
  CLI::Option* gid = access->add_option("--gid", arguments->gid, "A UNIX GID: the group the group file maps it to");
  uid->excludes(gid);
  access->callback([&settings, &exitCode, arguments] { exitCode = Access(settings, *arguments); });
}
