#include "tools/nfsctl/DesiredState.h"

#include <algorithm>
#include <unordered_map>

#include <nlohmann/json.hpp>

#include "exports/ClientList.h"
#include "exports/ExportLineGrammar.h"
#include "exports/SameDirectory.h"
#include "mapping/MappingLine.h"
#include "mapping/MappingList.h"
#include "portable/AsciiCase.h"
#include "portable/WholeNumber.h"
#include "printing/PrinterExportProblem.h"
#include "tools/nfsctl/ExportsFile.h"

namespace {

using Json = nlohmann::json;

// Reads one document, stopping at its first refusal.
class StateReader {
 public:
  StateReader(const ToAnsi& toAnsi, StateProblem& problem) : toAnsi_(toAnsi), problem_(problem) {}

  bool Refuse(const std::string& where, const std::string& text) {
    problem_ = {where, text, {}};
    return false;
  }

  // Whether object is an object holding no key but those allowed.
  bool IsObjectOf(const Json& object, const std::string& where, std::initializer_list<const char*> allowed) {
    if (!object.is_object()) return Refuse(where, "is not an object");
    for (const auto& item : object.items()) {
      const std::string& key = item.key();
      if (std::none_of(allowed.begin(), allowed.end(), [&key](const char* name) { return key == name; }))
        return Refuse(where.empty() ? key : where + "." + key, "is not a key of this document");
    }
    return true;
  }

  std::optional<std::string> Text(const Json& value, const std::string& where) {
    if (!value.is_string()) return Refuse(where, "is not a string"), std::nullopt;
    std::optional<std::string> ansi = toAnsi_(value.get<std::string>());
    if (!ansi) Refuse(where, "holds a NUL or a character the ANSI code page of this system lacks");
    return ansi;
  }

  // Host names, each of which the file must carry as one name.
  std::optional<std::vector<std::string>> HostNames(const Json& value, const std::string& where) {
    if (!value.is_array()) return Refuse(where, "is not an array of strings"), std::nullopt;
    std::vector<std::string> texts;
    for (size_t i = 0; i < value.size(); ++i) {
      const std::string place = where + "[" + std::to_string(i) + "]";
      std::optional<std::string> text = Text(value[i], place);
      if (!text) return std::nullopt;
      if (ClientListNames(*text) != std::vector<std::string>{*text})
        return Refuse(place, "\"" + *text + "\" is not one host name: the file would read it as others"),
               std::nullopt;
      texts.push_back(std::move(*text));
    }
    return texts;
  }

  // A JSON integer in the 32-bit range, read by the one rule for numbers.
  std::optional<int32_t> Number(const Json& value, const std::string& where) {
    if (!value.is_number_integer()) return Refuse(where, "is not a whole number"), std::nullopt;
    const std::string text = value.dump();
    std::optional<int> number = ParseWholeNumber(text);
    if (!number) Refuse(where, WholeNumberProblem(text));
    return number;
  }

  std::optional<bool> Switch(const Json& value, const std::string& where) {
    if (!value.is_boolean()) return Refuse(where, "is not true or false"), std::nullopt;
    return value.get<bool>();
  }

  bool Exports(const Json& list, std::vector<ExportEntry>& entries) {
    if (!list.is_array()) return Refuse("exports", "is not an array");
    std::unordered_map<std::string, size_t> places;  // each directory's first entry
    for (size_t i = 0; i < list.size(); ++i) {
      const std::string where = "exports[" + std::to_string(i) + "]";
      const Json& item = list[i];
      if (!IsObjectOf(item, where, {"directory", "all_clients", "clients", "mode", "rw_list"})) return false;
      for (const char* required : {"directory", "all_clients", "mode"})
        if (!item.contains(required)) return Refuse(where + "." + required, "is missing");
      std::optional<ExportEntry> entry = Export(item, where);
      if (!entry) return false;
      if (const auto [first, added] = places.try_emplace(DirectoryKey(*entry), entries.size()); !added)
        return Refuse(where + ".directory", "names the directory of exports[" + std::to_string(first->second) + "] again");
      entries.push_back(std::move(*entry));
    }
    return true;
  }

  bool Mappings(const Json& list, const std::string& part, const char* idField, std::vector<CUserInfo>& records) {
    if (!list.is_array()) return Refuse(part, "is not an array");
    MappingIndex earlier;
    for (size_t i = 0; i < list.size(); ++i) {
      const std::string where = part + "[" + std::to_string(i) + "]";
      if (!IsObjectOf(list[i], where, {"name", idField})) return false;
      for (const char* required : {"name", idField})
        if (!list[i].contains(required)) return Refuse(where + "." + required, "is missing");
      std::optional<std::string> name = Text(list[i]["name"], where + ".name");
      if (!name) return false;
      const std::optional<int32_t> id = Number(list[i][idField], where + "." + idField);
      if (!id) return false;
      const std::string idText = MappingIdText(*id);
      if (auto problem = MappingNameProblem(*name, idText)) return Refuse(where + ".name", *problem);
      // The rule of the console's page: no two mappings of one name or one ID.
      size_t holder = 0;
      switch (earlier.ConflictOf(*name, idText, holder)) {
        case MappingConflict::kIdTaken:
          return Refuse(where + "." + idField,
                        idText + " is mapped to " + part + "[" + std::to_string(holder) + "] already");
        case MappingConflict::kNameTaken:
          return Refuse(where + ".name", *name + " is mapped already");
        case MappingConflict::kNone:
          break;
      }
      earlier.Add({*name, idText});
      records.push_back({std::move(*name), idText});
    }
    return true;
  }

  bool Printers(const Json& list, std::vector<PrinterExport>& entries) {
    if (!list.is_array()) return Refuse("printers", "is not an array");
    std::unordered_map<std::string, size_t> names;
    for (size_t i = 0; i < list.size(); ++i) {
      const std::string where = "printers[" + std::to_string(i) + "]";
      const Json& item = list[i];
      if (!IsObjectOf(item, where, {"name", "follows_default", "driver", "device", "port", "extra"})) return false;
      PrinterExport entry;
      if (item.contains("follows_default")) {
        const std::optional<bool> follows = Switch(item["follows_default"], where + ".follows_default");
        if (!follows) return false;
        entry.useDefault = *follows ? 1 : 0;
      }
      const std::pair<const char*, std::string*> texts[] = {
          {"name", &entry.name}, {"driver", &entry.driver}, {"device", &entry.device}, {"port", &entry.port}};
      for (size_t t = 0; t < std::size(texts); ++t) {
        const std::string place = where + "." + texts[t].first;
        // The line of an entry that follows the default printer names no printer.
        if (t > 0 && entry.useDefault) {
          if (item.contains(texts[t].first))
            return Refuse(place, "is given for a printer that follows the default printer");
          continue;
        }
        if (!item.contains(texts[t].first)) return Refuse(place, "is missing");
        std::optional<std::string> text = Text(item[texts[t].first], place);
        if (!text) return false;
        *texts[t].second = std::move(*text);
      }
      if (item.contains("extra")) {
        std::optional<std::string> extra = Text(item["extra"], where + ".extra");
        if (!extra) return false;
        entry.extra = std::move(*extra);
      }
      if (const std::optional<PrinterExportProblem> problem = FindPrinterExportProblem(entry)) {
        static const char* const kFields[] = {".name", ".driver", ".device", ".port", ".extra", ""};
        return Refuse(where + kFields[problem->field], problem->text);
      }
      // Jobs for a name go to its first entry: a second would never print.
      if (const auto [first, added] = names.emplace(entry.name, i); !added)
        return Refuse(where + ".name", entry.name + " is exported by printers[" + std::to_string(first->second) +
                                           "] already");
      entries.push_back(std::move(entry));
    }
    return true;
  }

  bool Options(const Json& object, std::array<std::optional<int32_t>, kServerOptionCount>& options) {
    if (!object.is_object()) return Refuse("options", "is not an object");
    for (const auto& item : object.items()) {
      const std::string& key = item.key();
      const Json& value = item.value();
      const auto named = std::find_if(kStateOptionNames.begin(), kStateOptionNames.end(),
                                      [&key](const char* name) { return key == name; });
      const std::string where = "options." + key;
      if (named == kStateOptionNames.end()) return Refuse(where, "is no option (nfs3, pcnfsd, nlm, read, write)");
      const size_t index = static_cast<size_t>(named - kStateOptionNames.begin());
      std::optional<int32_t> number;
      if (index < kFirstSizeOption) {
        const std::optional<bool> on = Switch(value, where);
        if (on) number = *on ? 1 : 0;
      } else {
        number = Number(value, where);
      }
      if (!number) return false;
      if (auto problem = OptionValueProblem(index, *number)) return Refuse(where, *problem);
      options[index] = *number;
    }
    return true;
  }

 private:
  std::optional<ExportEntry> Export(const Json& item, const std::string& where) {
    const std::optional<std::string> directory = Text(item["directory"], where + ".directory");
    if (!directory) return std::nullopt;
    ExportEntry entry;
    // The drive stored in lower case, as the export editor stores a picked drive.
    const bool parsed = ParseDirectory(*directory, entry);
    const char drive = AsciiLower(static_cast<char>(entry.drive));
    if (!parsed || drive < 'a' || drive > 'z')
      return Refuse(where + ".directory", "\"" + *directory + "\" is not <drive>:<path>, as c:\\public"), std::nullopt;
    entry.drive = static_cast<unsigned char>(drive);
    const std::optional<bool> all = Switch(item["all_clients"], where + ".all_clients");
    const std::optional<int32_t> mode = all ? Number(item["mode"], where + ".mode") : std::nullopt;
    if (!mode) return std::nullopt;
    std::vector<std::string> clients, rwList;
    if (item.contains("clients")) {
      auto texts = HostNames(item["clients"], where + ".clients");
      if (!texts) return std::nullopt;
      clients = std::move(*texts);
    }
    if (item.contains("rw_list")) {
      auto texts = HostNames(item["rw_list"], where + ".rw_list");
      if (!texts) return std::nullopt;
      rwList = std::move(*texts);
    }
    // A line without clients exports to every client: the two must agree.
    if (*all != clients.empty())
      return Refuse(where + ".clients", *all ? "names clients of an export to all clients"
                                             : "is empty, which the file reads as an export to all clients"),
             std::nullopt;
    if (*all) entry.flags = ExportEntry::kAllClients;
    entry.mode = *mode;
    for (const std::string& client : clients) entry.clients += (entry.clients.empty() ? "" : ", ") + client;
    for (const std::string& host : rwList) entry.rwList += (entry.rwList.empty() ? "" : ",") + host;
    ExportProblem refused = ExportEntryProblem(entry);
    std::string line = FormatExportLine(entry);
    line.pop_back();
    if (!refused) refused = ExportLineProblem(line);
    if (refused) {
      static const char* const kFields[] = {"", ".directory", ".clients", ".rw_list", ".mode"};
      problem_ = {where + kFields[refused.field], {}, refused};
      return std::nullopt;
    }
    return entry;
  }

  const ToAnsi& toAnsi_;
  StateProblem& problem_;
};

}  // namespace

std::optional<DesiredState> ReadDesiredState(std::string_view document, const ToAnsi& toAnsi, StateProblem& problem) {
  const Json json = Json::parse(document.begin(), document.end(), nullptr, false);
  StateReader reader(toAnsi, problem);
  if (json.is_discarded()) return reader.Refuse("", "is not a JSON document"), std::nullopt;
  if (!reader.IsObjectOf(json, "", {"schema", "version", "exports", "users", "groups", "printers", "options"}))
    return std::nullopt;
  if (json.value("schema", Json()) != kStateSchema)
    return reader.Refuse("schema", std::string("is not \"") + kStateSchema + "\""), std::nullopt;
  if (json.value("version", Json()) != kStateVersion)
    return reader.Refuse("version", "is not " + std::to_string(kStateVersion) + ", the version this nfsctl reads"),
           std::nullopt;
  DesiredState state;
  if (json.contains("exports") && !reader.Exports(json["exports"], state.exports.emplace())) return std::nullopt;
  if (json.contains("users") && !reader.Mappings(json["users"], "users", "uid", state.users.emplace()))
    return std::nullopt;
  if (json.contains("groups") && !reader.Mappings(json["groups"], "groups", "gid", state.groups.emplace()))
    return std::nullopt;
  if (json.contains("printers") && !reader.Printers(json["printers"], state.printers.emplace())) return std::nullopt;
  if (json.contains("options") && !reader.Options(json["options"], state.options)) return std::nullopt;
  return state;
}
