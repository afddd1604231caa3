#include "tools/nfsctl/FileChange.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "portable/SaveWholeFile.h"
#include "portable/UniqueFile.h"
#include "portable/WholeFile.h"
#include "tools/nfsctl/Installation.h"
#include "tools/nfsctl/Report.h"
#include "tools/nfsctl/UnifiedDiff.h"

std::optional<std::string> ReadFileBytes(const std::string& path, std::string& problem) {
  UniqueFile file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    if (errno == ENOENT) return std::string();
    problem = "cannot read " + path + ": " + std::strerror(errno);
    return std::nullopt;
  }
  std::optional<std::string> bytes = ReadWholeFile(file.get());
  if (!bytes) problem = "reading " + path + " failed";
  return bytes;
}

std::optional<FileBytes> ReadLocatedFile(const Located& located, int& failure) {
  if (!located.path) {
    failure = Fail(kExitFailed, located.problem);
    return std::nullopt;
  }
  std::string problem;
  std::optional<std::string> bytes = ReadFileBytes(*located.path, problem);
  if (!bytes) {
    failure = Fail(kExitFailed, problem);
    return std::nullopt;
  }
  return FileBytes{*located.path, std::move(*bytes)};
}

int ApplyChange(const std::string& path, const std::string& oldBytes, const std::string& newBytes, bool whatIf,
                bool json) {
  if (whatIf) {
    const std::string diff = UnifiedDiff(path, oldBytes, newBytes);
    if (json)
      PrintJson({{"file", path}, {"written", false}, {"diff", diff}});
    else
      std::fputs(diff.c_str(), stdout);
    return kExitOk;
  }
  const std::string error = SaveWholeFile(path, newBytes);
  if (!error.empty()) return Fail(kExitFailed, "cannot write " + path + ": " + error);
  if (json)
    PrintJson({{"file", path}, {"written", true}});
  else
    std::printf("wrote %s\n", path.c_str());
  return kExitOk;
}
