#include "tools/nfsctl/SpoolCheck.h"

#include <algorithm>

#include "printing/SpoolFiles.h"

namespace {
std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return text;
}

bool LooksLikeControlFile(const std::string& name) {
  const std::string lower = Lower(name);
  return lower.starts_with("cf") && lower.ends_with(".nfs");
}
}  // namespace

std::vector<Finding> CheckSpoolFiles(const std::string& spoolDirectory, const std::vector<std::string>& fileNames,
                                     const std::map<std::string, std::string>& dataFileOf) {
  std::vector<Finding> findings;
  auto path = [&](const std::string& name) { return MakeSpoolPath(spoolDirectory, name); };
  std::vector<std::string> present, named;  // lower case: Windows file names ignore case
  for (const std::string& name : fileNames) present.push_back(Lower(name));
  for (const auto& [control, data] : dataFileOf) {
    named.push_back(Lower(data));
    if (!IsSafeDataFileName(data))
      findings.push_back({Finding::kError, "spool.unsafe-data-file", path(control), 1,
                          "data file name \"" + data + "\" reaches outside the spool directory or a device: "
                          "the console drops this job unprinted"});
    else if (std::find(present.begin(), present.end(), Lower(data)) == present.end())
      findings.push_back({Finding::kError, "spool.missing-data-file", path(control), 1,
                          "its data file " + data + " is missing: the job prints nothing"});
  }
  for (const std::string& name : fileNames) {
    if (IsHandledControlFileName(name)) continue;
    if (LooksLikeControlFile(name))
      findings.push_back({Finding::kError, "spool.long-control-name", path(name), 0,
                          "a control file name longer than 13 characters: the console never prints this job"});
    else if (std::find(named.begin(), named.end(), Lower(name)) == named.end())
      findings.push_back({Finding::kWarning, "spool.orphan-data-file", path(name), 0,
                          "no control file names this file: no job will print or remove it"});
  }
  return findings;
}
