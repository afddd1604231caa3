// mounts show | clear, locks list | unlock: the files the service keeps in the
// registry install directory.
#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "portable/SharedWithService.h"
#include "status/LockLine.h"
#include "status/LockRecord.h"
#include "status/MountList.h"
#include "status/UnlockFile.h"
#include "tools/nfsctl/Commands.h"
#include "tools/nfsctl/FileChange.h"
#include "tools/nfsctl/Report.h"

namespace {

// One of the service's files in the registry install directory.
std::optional<FileBytes> Load(const Settings& settings, const char* name, int& failure) {
  return ReadLocatedFile(settings.Where().RegistryFilePath(name), failure);
}

// The service's own line ends, not doubled by text-mode output.
void WriteAsItStands(const std::string& text) {
  std::fflush(stdout);
  _setmode(_fileno(stdout), _O_BINARY);
  std::fwrite(text.data(), 1, text.size(), stdout);
}

int ShowMounts(const Settings& settings) {
  int failure = kExitOk;
  const auto file = Load(settings, kMountListFileName, failure);
  if (!file) return failure;
  const std::string text = MountListText(file->bytes);
  if (settings.json)
    PrintJson({{"file", file->path}, {"text", text}});
  else
    WriteAsItStands(text);
  return kExitOk;
}

int ClearMounts(const Settings& settings, bool whatIf) {
  int failure = kExitOk;
  const auto file = Load(settings, kMountListFileName, failure);
  if (!file) return failure;
  return ApplyChange(file->path, file->bytes, "", whatIf, settings);
}

int ListLocks(const Settings& settings) {
  int failure = kExitOk;
  const auto file = Load(settings, kLockFileName, failure);
  if (!file) return failure;
  std::vector<Record> records;
  for (const LockRecord& lock : ParseLockRecords(file->bytes))
    records.push_back({{"lock", FormatLockLine(lock)},
                       {"first_text", std::string(lock.firstText)},
                       {"second_text", std::string(lock.secondText)},
                       {"number", lock.number},
                       {"first_long", lock.firstLong},
                       {"second_long", lock.secondLong}});
  PrintRecords(records, settings.json, {"lock", "first_text", "second_text", "number", "first_long", "second_long"});
  return kExitOk;
}

int Unlock(const Settings& settings, const std::string& line, bool whatIf) {
  int failure = kExitOk;
  const auto locks = Load(settings, kLockFileName, failure);
  if (!locks) return failure;
  const std::vector<LockRecord> held = ParseLockRecords(locks->bytes);
  const auto lock =
      std::find_if(held.begin(), held.end(), [&](const LockRecord& held) { return FormatLockLine(held) == line; });
  if (lock == held.end())
    return Fail(kExitRefused, "no lock \"" + line + "\" in " + locks->path + " (see locks list)");
  if (!FitsUnlockRecord(*lock))
    return Fail(kExitRefused, "refused: \"" + line + "\" holds a number beyond 32 bits, which an unlock request "
                              "cannot carry: it would name another lock; nothing was written");
  bool cut = false;
  FormatLockLine(*lock, &cut);
  const std::optional<std::string> request = cut ? std::nullopt : UnlockRequestFor(line);
  if (!request)
    return Fail(kExitRefused, "refused: \"" + line + "\" does not split back into the lock it shows (a text with "
                              "a ':', or a line cut to its length limit); nothing was written");
  const Located unlock = settings.Where().RegistryFilePath(kUnlockFileName);
  if (!unlock.path) return Fail(kExitFailed, unlock.problem);
  if (whatIf) {
    PrintWouldDo("append an unlock request of " + std::to_string(request->size()) + " bytes for " +
                     line + " to " + *unlock.path,
                 settings.json);
    return kExitOk;
  }
  // Appended as the console's Remove appends it: the service reads and empties this file.
  if (AppendUnlockRequest(*unlock.path, *request) != UnlockAppend::kAppended)
    return Fail(kExitFailed, "cannot append to " + *unlock.path + "; it is unchanged");
  if (settings.json)
    PrintJson({{"file", *unlock.path}, {"unlocked", line}});
  else
    std::printf("asked the service to release %s\n", line.c_str());
  return kExitOk;
}

}  // namespace

void AddStatusCommands(CLI::App& app, const Settings& settings, int& exitCode) {
  CLI::App* mounts = app.add_subcommand("mounts", "The service's list of mounted clients (mountd.list)");
  mounts->require_subcommand(1);
  mounts->add_subcommand("show", "Show the list as the service wrote it")->callback([&] {
    exitCode = ShowMounts(settings);
  });
  auto clearWhatIf = std::make_shared<bool>(false);
  CLI::App* clear = mounts->add_subcommand("clear", "Empty the list (active connections stay)");
  AddWhatIf(*clear, *clearWhatIf);
  clear->callback([&settings, &exitCode, clearWhatIf] { exitCode = ClearMounts(settings, *clearWhatIf); });

  CLI::App* locks = app.add_subcommand("locks", "The locks clients hold (Lock.NLM) and unlock requests");
  locks->require_subcommand(1);
  locks->add_subcommand("list", "List the held locks")->callback([&] { exitCode = ListLocks(settings); });
  auto unlocked = std::make_shared<std::pair<std::string, bool>>();
  CLI::App* unlock = locks->add_subcommand("unlock", "Ask the service to release a lock (appends to Unlock.NLM)");
  unlock->add_option("LINE", unlocked->first, "The lock as locks list shows it")->required();
  AddWhatIf(*unlock, unlocked->second);
  unlock->callback([&settings, &exitCode, unlocked] { exitCode = Unlock(settings, unlocked->first, unlocked->second); });
}
