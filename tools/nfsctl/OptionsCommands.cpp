// options get | set: the service's five start-up values in the registry.
#include <algorithm>
#include <cstdio>
#include <memory>

#include "framework/ChangeHistory.h"
#include "portable/AsciiCase.h"
#include "status/ServerOptionsStore.h"
#include "tools/nfsctl/Commands.h"
#include "tools/nfsctl/NumberArgument.h"
#include "tools/nfsctl/OptionsCheck.h"
#include "tools/nfsctl/Report.h"

namespace {

// Short names for scripts, in the order of kServerOptionNames.
constexpr const char* kShortNames[] = {"nfs3", "pcnfsd", "nlm", "read", "write"};

std::optional<size_t> OptionIndex(const std::string& name) {
  auto same = [&](const char* candidate) { return EqualsIgnoringAsciiCase(name, candidate); };
  for (size_t i = 0; i < kServerOptionNames.size(); ++i)
    if (same(kServerOptionNames[i]) || same(kShortNames[i])) return i;
  return std::nullopt;
}

int Get(const Settings& settings) {
  const auto stored = ReadServerOptions();
  if (!stored) return Fail(kExitFailed, std::string("the options key HKEY_LOCAL_MACHINE\\") + kServiceKey + " is missing");
  const auto shown = OptionValuesShown(stored);
  std::vector<Record> records;
  for (size_t i = 0; i < stored->size(); ++i) {
    const StoredOption& option = (*stored)[i];
    Record record{{"name", kServerOptionNames[i]}, {"short_name", kShortNames[i]}};
    record["stored"] = option.state == StoredOption::kDword ? Record(option.value) : Record();
    record["state"] = option.state == StoredOption::kDword ? "dword" : option.state == StoredOption::kMissing ? "missing" : "other-type";
    record["console_shows"] = shown[i];
    records.push_back(std::move(record));
  }
  PrintRecords(records, settings.json, {});
  return kExitOk;
}

int Set(const Settings& settings, const std::string& name, const std::string& valueText, bool whatIf) {
  const std::optional<size_t> index = OptionIndex(name);
  if (!index) return Fail(kExitFailed, "no option \"" + name + "\" (nfs3, pcnfsd, nlm, read, write)");
  int failure = kExitOk;
  const std::optional<int32_t> parsed = NumberArgument(valueText, "the value", failure);
  if (!parsed) return failure;
  const int32_t value = *parsed;
  if (auto problem = OptionValueProblem(*index, value))
    return Fail(kExitRefused, "refused: " + *problem + "; nothing was written");
  const auto stored = ReadServerOptions();
  if (!stored || !ServerOptionsWritable())
    return Fail(kExitFailed, OptionsKeyProblem() + "; nothing was written");
  const StoredOption& old = (*stored)[*index];
  const std::string before = old.state == StoredOption::kDword ? std::to_string(old.value) : "(missing)";
  if (whatIf) {
    PrintWouldDo(std::string("set \"") + kServerOptionNames[*index] + "\" from " + before + " to " + std::to_string(value),
                 settings.json);
    return kExitOk;
  }
  if (!WriteServerOption(kServerOptionNames[*index], value))
    return Fail(kExitFailed, std::string("cannot set \"") + kServerOptionNames[*index] + "\"");
  RecordServerOptions();
  if (settings.json)
    PrintJson({{"name", kServerOptionNames[*index]}, {"value", value}});
  else
    std::printf("set \"%s\" to %d (the service reads it at its next start)\n", kServerOptionNames[*index], value);
  return kExitOk;
}

struct SetArguments {
  std::string name;
  std::string value;
  bool whatIf = false;
};

}  // namespace

void AddOptionsCommands(CLI::App& app, const Settings& settings, int& exitCode) {
  CLI::App* options = app.add_subcommand("options", "The service's start-up options (registry)");
  options->require_subcommand(1);
  options->add_subcommand("get", "Show the five values and what the console shows for each")->callback([&] {
    exitCode = Get(settings);
  });
  auto arguments = std::make_shared<SetArguments>();
  CLI::App* set = options->add_subcommand("set", "Set one value");
  set->add_option("NAME", arguments->name, "nfs3, pcnfsd, nlm, read or write (or the registry value's name)")
      ->required();
  set->add_option("VALUE", arguments->value, "0 or 1 for a switch; a size in K from the console's list, 0: default")
      ->required();
  AddWhatIf(*set, arguments->whatIf);
  set->callback([&settings, &exitCode, arguments] {
    exitCode = Set(settings, arguments->name, arguments->value, arguments->whatIf);
  });
}
