#include "tools/nfsctl/OptionsCheck.h"

#include "status/ServerOptionsStore.h"

namespace {
std::string KeyName() { return std::string("HKEY_LOCAL_MACHINE\\") + kServiceKey; }
}  // namespace

std::string OptionsKeyProblem() {
  if (!ReadServerOptions()) return "the options key " + KeyName() + " is missing";
  return "the options key " + KeyName() + " cannot be written";
}

std::vector<Finding> CheckServerOptions() {
  std::vector<Finding> findings;
  const auto stored = ReadServerOptions();
  if (!stored || !ServerOptionsWritable())
    findings.push_back({Finding::kError, stored ? "options.key-not-writable" : "options.key-missing", KeyName(), 0,
                        OptionsKeyProblem() + ": the console's Server Options saves nothing, without a message"});
  if (!stored) return findings;
  for (size_t i = 0; i < stored->size(); ++i) {
    const StoredOption& option = (*stored)[i];
    const std::string name = std::string("\"") + kServerOptionNames[i] + "\" ";
    // The dialog takes such a value as missing, and its OK writes the default over it.
    if (option.state == StoredOption::kOtherType)
      findings.push_back({Finding::kError, "options.wrong-type", KeyName(), 0,
                          name + "is " + option.description +
                              ", not a 4-byte REG_DWORD: the console's Server Options takes it as missing "
                              "and its OK writes REG_DWORD " +
                              std::to_string(DefaultOptionValue(i)) + " over it"});
    else if (option.state == StoredOption::kDword)
      if (auto problem = OptionValueProblem(i, option.value))
        findings.push_back({Finding::kError, "options.out-of-range", KeyName(), 0, name + *problem});
  }
  return findings;
}
