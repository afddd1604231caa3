// queue list | delete: the jobs of the spool directory, as the queue window
// shows and deletes them.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "portable/SharedWithService.h"
#include "portable/UniqueFile.h"
#include "printing/QueueRow.h"
#include "printing/SpoolFiles.h"
#include "tools/nfsctl/Commands.h"
#include "tools/nfsctl/Report.h"
#include "tools/nfsctl/SpoolDirectory.h"

namespace {

int List(const Settings& settings) {
  const Located spool = settings.Where().SpoolDirectory();
  if (!spool.path) return Fail(kExitFailed, spool.problem);
  std::vector<std::string> names = SpoolFileNames(*spool.path, kControlFilePattern);
  std::sort(names.begin(), names.end());  // the queue list is sorted by its rows
  std::vector<Record> records;
  for (const std::string& name : names) {
    if (!IsHandledControlFileName(name)) continue;
    UniqueFile file(std::fopen(MakeSpoolPath(*spool.path, name).c_str(), "rb"));
    if (!file) return Fail(kExitFailed, "cannot read " + MakeSpoolPath(*spool.path, name));
    const QueueEntry entry = ReadQueueEntry(file.get());
    records.push_back({{"id", name}, {"user", entry.userName}, {"data_file", entry.dataFileName}});
  }
  PrintRecords(records, settings.json, {"id", "user", "data_file"});
  return kExitOk;
}

int Delete(const Settings& settings, const std::string& id, bool whatIf) {
  if (!IsHandledControlFileName(id))
    return Fail(kExitRefused, "refused: \"" + id + "\" is not a job id (a control file name cf*.nfs)");
  const Located spool = settings.Where().SpoolDirectory();
  if (!spool.path) return Fail(kExitFailed, spool.problem);
  const std::string control = MakeSpoolPath(*spool.path, id);
  UniqueFile file(std::fopen(control.c_str(), "rb"));
  if (!file) return Fail(kExitRefused, "no job " + id + " in " + *spool.path);
  const std::string data = ReadQueueEntry(file.get()).dataFileName;
  file.reset();
  // A data file name from a client may name a file outside the spool directory.
  const bool safe = IsSafeSpoolFileName(data);
  if (whatIf) {
    PrintWouldDo("delete " + control + (safe ? " and " + MakeSpoolPath(*spool.path, data) : ""), settings.json);
    return kExitOk;
  }
  if (!DeleteFileA(control.c_str())) return Fail(kExitFailed, "cannot delete " + control);
  if (safe) DeleteFileA(MakeSpoolPath(*spool.path, data).c_str());
  if (!safe) Note("kept the data file \"" + data + "\": its name is not safe");
  if (settings.json)
    PrintJson({{"deleted", id}});
  else
    std::printf("deleted job %s\n", id.c_str());
  return kExitOk;
}

}  // namespace

void AddQueueCommands(CLI::App& app, const Settings& settings, int& exitCode) {
  CLI::App* queue = app.add_subcommand("queue", "The PCNFSD print queue (the spool directory)");
  queue->require_subcommand(1);
  queue->add_subcommand("list", "List the waiting jobs")->callback([&] { exitCode = List(settings); });

  auto deleted = std::make_shared<std::pair<std::string, bool>>();
  CLI::App* remove = queue->add_subcommand("delete", "Delete a job: its control file and its data file");
  remove->add_option("ID", deleted->first, "The job's control file name, as queue list shows it")->required();
  AddWhatIf(*remove, deleted->second);
  remove->callback([&settings, &exitCode, deleted] { exitCode = Delete(settings, deleted->first, deleted->second); });
}
