#include "tools/nfsctl/FileChange.h"

#include <cstdio>
#include <cstring>
#include <map>

#include "framework/SharedFile.h"
#include "tools/nfsctl/Commands.h"
#include "tools/nfsctl/Installation.h"
#include "tools/nfsctl/Report.h"
#include "tools/nfsctl/UnifiedDiff.h"

namespace {
// A file this verb read, with its lock.
struct HeldFile {
  FileLock lock;
  SharedFile file;
};
// By path, as read; the locks are released when the file is written or the verb ends.
std::map<std::string, HeldFile>& HeldFiles() {
  static std::map<std::string, HeldFile> held;
  return held;
}

std::optional<std::string> Refusal(const HeldFile& file, const Settings& settings) {
  // Only a program that takes no lock (an editor, the service) can have changed it.
  if (settings.force || file.file.Unchanged(file.file.ReadDisk(file.lock))) return std::nullopt;
  return "refused: " + file.file.Path() + " was changed by another program since nfsctl read it; "
         "nothing was written (--force writes over that change)";
}
}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path, std::string& problem) {
  auto held = HeldFiles().find(path);
  if (held == HeldFiles().end()) {
    std::optional<FileLock> lock = FileLock::Take(path);
    if (!lock) {
      problem = FileBusyText(path) + "; nothing was written";
      return std::nullopt;
    }
    held = HeldFiles().emplace(path, HeldFile{std::move(*lock), SharedFile(path)}).first;
  }
  const PathRead read = held->second.file.Load();
  if (read.bytes) return read.bytes;
  if (read.Missing()) return std::string();
  problem = read.error ? "cannot read " + path + ": " + std::strerror(read.error) : "reading " + path + " failed";
  return std::nullopt;
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
                const Settings& settings) {
  if (whatIf) {
    const std::string diff = UnifiedDiff(path, oldBytes, newBytes);
    if (settings.json)
      PrintJson({{"file", path}, {"written", false}, {"diff", diff}});
    else
      PrintText(diff);
    return kExitOk;
  }
  const auto held = HeldFiles().find(path);
  if (held == HeldFiles().end()) return Fail(kExitFailed, path + " was not read before its change");
  // Released on return: a running console told of the change next must be able to read the file.
  HeldFile file = std::move(held->second);
  HeldFiles().erase(held);
  if (auto refused = Refusal(file, settings)) return Fail(kExitRefused, *refused);
  const std::string error = file.file.Write(file.lock, newBytes);
  if (!error.empty()) return Fail(kExitFailed, "cannot write " + path + ": " + error);
  if (settings.json)
    PrintJson({{"file", path}, {"written", true}});
  else
    std::printf("wrote %s\n", path.c_str());
  return kExitOk;
}

std::optional<std::string> ChangedSinceRead(const std::string& path, const Settings& settings) {
  const auto held = HeldFiles().find(path);
  if (held == HeldFiles().end()) return path + " was not read before its change";
  return Refusal(held->second, settings);
}

std::string WriteReadFile(const std::string& path, std::string_view bytes) {
  const auto held = HeldFiles().find(path);
  if (held == HeldFiles().end()) return "it was not read before its change";
  return held->second.file.Write(held->second.lock, bytes);
}
