#include "tools/nfsctl/SpoolCheck.h"

#include <algorithm>

#include "portable/AsciiCase.h"
#include "printing/SpoolFiles.h"

std::vector<Finding> CheckSpoolFiles(const std::string& spoolDirectory, const std::vector<std::string>& fileNames,
                                     const std::map<std::string, std::string>& dataFileOf) {
  std::vector<Finding> findings;
  auto path = [&](const std::string& name) { return MakeSpoolPath(spoolDirectory, name); };
  std::vector<std::string> present, named;  // lower case: Windows file names ignore case
  for (const std::string& name : fileNames) present.push_back(AsciiLower(name));
  for (const auto& [control, data] : dataFileOf) {
    named.push_back(AsciiLower(data));
    if (!IsSafeSpoolFileName(data))
      findings.push_back({Finding::kError, "spool.unsafe-data-file", path(control), 1,
                          "data file name \"" + data + "\" reaches outside the spool directory or a device: "
                          "the console drops this job unprinted"});
    else if (std::find(present.begin(), present.end(), AsciiLower(data)) == present.end())
      findings.push_back({Finding::kError, "spool.missing-data-file", path(control), 1,
                          "its data file " + data + " is missing: the job prints nothing"});
  }
  for (const std::string& name : fileNames) {
    if (IsHandledControlFileName(name)) continue;
    if (MatchesControlFilePattern(name))
      findings.push_back({Finding::kError, "spool.long-control-name", path(name), 0,
                          "a control file name longer than 13 characters: the console never prints this job"});
    else if (std::find(named.begin(), named.end(), AsciiLower(name)) == named.end())
      findings.push_back({Finding::kWarning, "spool.orphan-data-file", path(name), 0,
                          "no control file names this file: no job will print or remove it"});
  }
  return findings;
}
