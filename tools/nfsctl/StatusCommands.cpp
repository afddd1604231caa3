// mounts show | clear, locks list | unlock: the files the service keeps in the
// registry install directory.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <unordered_set>

#include "portable/AsciiCase.h"
#include "portable/SharedWithService.h"
#include "portable/Wildcard.h"
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

struct MountsArguments {
  std::string client;  // empty: every line
};

int ShowMounts(const Settings& settings, const MountsArguments& arguments) {
  int failure = kExitOk;
  const auto file = Load(settings, kMountListFileName, failure);
  if (!file) return failure;
  std::string text = MountListText(file->bytes);
  if (!arguments.client.empty()) {
    std::string lines;
    for (const std::string_view line : MountLinesOf(text, arguments.client)) lines.append(line).append("\n");
    text = std::move(lines);
  }
  if (settings.json)
    PrintJson({{"file", file->path}, {"text", text}});
  else
    PrintText(text);
  return kExitOk;
}

int ClearMounts(const Settings& settings, bool whatIf) {
  int failure = kExitOk;
  const auto file = Load(settings, kMountListFileName, failure);
  if (!file) return failure;
  return ApplyChange(file->path, file->bytes, "", whatIf, settings);
}

// Which locks a listing or a release takes: the one shown as line, or those of
// a client and whose path matches a pattern.
struct LockSelection {
  std::string line;
  std::string client;
  std::string path;
  bool all = false;  // a path pattern may take every lock
  bool whatIf = false;

  bool Takes(const LockRecord& lock) const {
    if (!line.empty()) return FormatLockLine(lock) == line;
    return (client.empty() || EqualsIgnoringAsciiCase(lock.firstText, client)) &&
           (path.empty() || MatchesWildcard(path, lock.secondText));
  }
};

// The locks and mountd.list as the service left them, read together.
struct HeldLocks {
  std::string path;
  std::string bytes;
  std::string mounts;  // mountd.list's text; empty without the file

  // Views into bytes, which must stay where they are while the records live.
  std::vector<LockRecord> Records() const { return ParseLockRecords(std::string_view(bytes)); }
};

std::optional<HeldLocks> LoadLocks(const Settings& settings, int& failure) {
  auto locks = Load(settings, kLockFileName, failure);
  if (!locks) return std::nullopt;
  HeldLocks held{std::move(locks->path), std::move(locks->bytes), {}};
  if (const auto mounts = Load(settings, kMountListFileName, failure)) held.mounts = MountListText(mounts->bytes);
  failure = kExitOk;  // without mountd.list no client shows a mount
  return held;
}

int ListLocks(const Settings& settings, const LockSelection& selection) {
  int failure = kExitOk;
  const auto held = LoadLocks(settings, failure);
  if (!held) return failure;
  const std::unordered_set<std::string> mounted = MountedClients(held->mounts);
  std::vector<Record> records;
  for (const LockRecord& lock : held->Records()) {
    if (!selection.Takes(lock)) continue;
    // The evidence before a release: a client with a mount may still be working.
    records.push_back({{"lock", FormatLockLine(lock)},
                       {"client_mounted", mounted.contains(AsciiLower(lock.firstText))},
                       {"first_text", std::string(lock.firstText)},
                       {"second_text", std::string(lock.secondText)},
                       {"number", lock.number},
                       {"first_long", lock.firstLong},
                       {"second_long", lock.secondLong}});
  }
  PrintRecords(records, settings.json,
               {"lock", "client_mounted", "first_text", "second_text", "number", "first_long", "second_long"});
  return kExitOk;
}

// The request that releases lock, or why none can say exactly that lock.
std::optional<std::string> RequestFor(const LockRecord& lock, std::string& refusal) {
  const std::string line = FormatLockLine(lock);
  if (!FitsUnlockRecord(lock)) {
    refusal = "\"" + line + "\" holds a number beyond 32 bits, which an unlock request cannot carry: it would "
              "name another lock";
    return std::nullopt;
  }
  bool cut = false;
  FormatLockLine(lock, &cut);
  std::optional<std::string> request = cut ? std::nullopt : UnlockRequestFor(line);
  if (!request)
    refusal = "\"" + line + "\" does not split back into the lock it shows (a text with a ':', or a line cut to "
              "its length limit)";
  return request;
}

int Unlock(const Settings& settings, const LockSelection& selection) {
  if (selection.line.empty() && selection.client.empty() && selection.path.empty())
    return Fail(kExitFailed, "name the lock as locks list shows it, or give --client or --path");
  int failure = kExitOk;
  const auto held = LoadLocks(settings, failure);
  if (!held) return failure;
  const std::vector<LockRecord> records = held->Records();
  std::vector<std::string> lines;
  std::string requests;
  for (const LockRecord& lock : records) {
    if (!selection.Takes(lock)) continue;
    std::string refusal;
    const std::optional<std::string> request = RequestFor(lock, refusal);
    if (!request) return Fail(kExitRefused, "refused: " + refusal + "; nothing was written");
    lines.push_back(FormatLockLine(lock));
    requests += *request;
  }
  if (lines.empty()) return Fail(kExitRefused, "no lock in " + held->path + " is selected (see locks list)");
  if (!selection.path.empty() && lines.size() == records.size() && !selection.all)
    return Fail(kExitRefused, "refused: --path " + selection.path + " takes every lock of " + held->path +
                                  "; give --all to release them all; nothing was written");
  const Located unlock = settings.Where().RegistryFilePath(kUnlockFileName);
  if (!unlock.path) return Fail(kExitFailed, unlock.problem);
  if (selection.whatIf) {
    if (settings.json) {
      PrintJson({{"written", false}, {"file", *unlock.path}, {"count", lines.size()}, {"requests", lines}});
    } else {
      std::string text = "would append " + std::to_string(lines.size()) + " unlock request(s) to " + *unlock.path + ":\n";
      for (const std::string& line : lines) text += "  " + line + "\n";
      PrintText(text);
    }
    return kExitOk;
  }
  // One append: the service reads either all of these requests or none.
  if (AppendUnlockRequest(*unlock.path, requests) != UnlockAppend::kAppended)
    return Fail(kExitFailed, "cannot append to " + *unlock.path + "; it is unchanged");
  if (settings.json) {
    PrintJson({{"file", *unlock.path}, {"count", lines.size()}, {"unlocked", lines}});
  } else {
    std::string text;
    for (const std::string& line : lines) text += "asked the service to release " + line + "\n";
    PrintText(text);
  }
  return kExitOk;
}

}  // namespace

void AddStatusCommands(CLI::App& app, const Settings& settings, int& exitCode) {
  CLI::App* mounts = app.add_subcommand("mounts", "The service's list of mounted clients (mountd.list)");
  mounts->require_subcommand(1);
  auto shown = std::make_shared<MountsArguments>();
  CLI::App* show = mounts->add_subcommand("show", "Show the list as the service wrote it");
  show->add_option("--client", shown->client, "Only the lines of this client");
  show->callback([&settings, &exitCode, shown] { exitCode = ShowMounts(settings, *shown); });
  auto clearWhatIf = std::make_shared<bool>(false);
  CLI::App* clear = mounts->add_subcommand("clear", "Empty the list (active connections stay)");
  AddWhatIf(*clear, *clearWhatIf);
  clear->callback([&settings, &exitCode, clearWhatIf] { exitCode = ClearMounts(settings, *clearWhatIf); });

  CLI::App* locks = app.add_subcommand("locks", "The locks clients hold (Lock.NLM) and unlock requests");
  locks->require_subcommand(1);
  auto listed = std::make_shared<LockSelection>();
  CLI::App* list = locks->add_subcommand("list", "List the held locks, and whether each client still has a mount");
  list->add_option("--client", listed->client, "Only the locks of this client");
  list->add_option("--path", listed->path, "Only the locks whose path matches this pattern (* and ?)");
  list->callback([&settings, &exitCode, listed] { exitCode = ListLocks(settings, *listed); });
  auto unlocked = std::make_shared<LockSelection>();
  CLI::App* unlock = locks->add_subcommand("unlock", "Ask the service to release locks (appends to Unlock.NLM)");
  unlock->add_option("LINE", unlocked->line, "The lock as locks list shows it");
  unlock->add_option("--client", unlocked->client, "Every lock of this client");
  unlock->add_option("--path", unlocked->path, "Every lock whose path matches this pattern (* and ?)");
  unlock->add_flag("--all", unlocked->all, "Let a --path pattern take every lock");
  AddWhatIf(*unlock, unlocked->whatIf);
  unlock->callback([&settings, &exitCode, unlocked] { exitCode = Unlock(settings, *unlocked); });
}
