#include "printing/PrintQueue.h"

#include <windows.h>

#include <cstdio>
#include <functional>
#include <set>

#include "framework/FindFiles.h"
#include "framework/MessageLoop.h"
#include "portable/SharedWithService.h"
#include "portable/UniqueFile.h"
#include "printing/ControlFile.h"
#include "printing/JobOrder.h"
#include "printing/JobPrinter.h"
#include "printing/PrintingPaths.h"
#include "printing/QueueRow.h"
#include "printing/SpoolFiles.h"

namespace {

SpoolJob g_job;
bool g_paused = false;
bool g_running = false;

// Calls visit with each handled control file of the spool directory, in
// enumeration order, until it returns false.
void ForEachControlFile(const std::function<bool(const WIN32_FIND_DATAA&)>& visit) {
  ForEachFile(SpoolPath(kControlFilePattern), [&visit](const WIN32_FIND_DATAA& found) {
    return !IsHandledControlFileName(found.cFileName) || visit(found);
  });
}

// The oldest job not kept back in this run: a kept job would otherwise be taken
// again at once, for ever.
const SpoolFileInfo* OldestJob(std::vector<SpoolFileInfo>& files, const std::set<std::string>& kept) {
  files.clear();
  ForEachControlFile([&files, &kept](const WIN32_FIND_DATAA& found) {
    if (kept.contains(found.cFileName)) return true;
    const ULARGE_INTEGER time{{found.ftLastWriteTime.dwLowDateTime, found.ftLastWriteTime.dwHighDateTime}};
    files.push_back({found.cFileName, time.QuadPart});
    return true;
  });
  return OldestControlFile(files);
}

// Whoever shows the queue; set by the queue window while it is open.
std::function<void()> g_queueChanged;

void NotifyQueueChanged() {
  if (g_queueChanged) g_queueChanged();
}

}  // namespace

void SetQueueChangedHandler(std::function<void()> handler) { g_queueChanged = std::move(handler); }

int ProcessPrintQueue() {
  if (g_running || !HavePrintingPaths()) return 0;
  g_running = true;
  SetCurrentDirectoryA(CurrentPrintingPaths().spoolDirectory.c_str());
  NotifyQueueChanged();
  int result = 0;
  std::vector<SpoolFileInfo> files;
  std::set<std::string> kept;
  while (const SpoolFileInfo* oldest = OldestJob(files, kept)) {
    const int loaded = LoadSpoolJob(oldest->name);
    if (loaded == kJobKept) {
      kept.insert(oldest->name);
      continue;
    }
    if (loaded != 0 || RemoveJobFiles() != 0) {
      result = -1;
      break;
    }
    NotifyQueueChanged();
  }
  g_running = false;
  return result;
}

int LoadSpoolJob(const std::string& controlFileName) {
  if (g_paused) return -1;
  g_job = SpoolJob{};
  g_job.controlFileName = controlFileName;
  UniqueFile file(std::fopen(SpoolPath(controlFileName).c_str(), "rb"));
  if (!file) {
    char text[64];
    std::snprintf(text, sizeof text, "Can not open file %s", controlFileName.c_str());
    MessageBoxA(nullptr, text, text, MB_OK);
    return -1;
  }
  const std::string text = ReadControlFileBytes(file.get());
  file.reset();
  g_job = ReadControlFile(text, controlFileName);
  // The one moment of a run at which the administrator's input gets through.
  if (CMessageLoop* loop = CMessageLoop::Current()) loop->PumpOneMessage();
  return PrintSpoolJob(g_job, g_paused) == JobOutcome::kKept ? kJobKept : 0;
}

int RemoveJobFiles() {
  if (g_job.controlFileName.empty()) return -1;
  if (!DeleteFileA(SpoolPath(g_job.controlFileName).c_str())) return -1;
  if (!IsUsableDataFile(g_job.dataFileName)) return 0;
  return DeleteFileA(SpoolPath(g_job.dataFileName).c_str()) ? 0 : -1;
}

const SpoolJob& CurrentSpoolJob() { return g_job; }

bool QueuePaused() { return g_paused; }

void PauseQueue() {
  g_paused = true;
  RemoveJobFiles();
  NotifyQueueChanged();
}

void ResumeQueue() {
  g_paused = false;
  ProcessPrintQueue();
}

std::vector<std::string> ReadQueueRows() {
  SetCurrentDirectoryA(CurrentPrintingPaths().spoolDirectory.c_str());
  std::vector<std::string> rows;
  ForEachControlFile([&rows](const WIN32_FIND_DATAA& found) {
    UniqueFile file(std::fopen(SpoolPath(found.cFileName).c_str(), "rb"));
    if (!file) return false;
    rows.push_back(ReadQueueRow(file.get(), found.cFileName));
    return true;
  });
  return rows;
}

void DeleteQueuedJob(std::string_view row) {
  const std::string controlFileName = ControlFileNameOfRow(row);
  if (!IsHandledControlFileName(controlFileName)) return;
  UniqueFile file(std::fopen(SpoolPath(controlFileName).c_str(), "rb"));
  if (!file) return;
  const std::string dataFileName = ReadQueueEntry(file.get()).dataFileName;
  file.reset();
  DeleteFileA(SpoolPath(controlFileName).c_str());
  if (IsUsableDataFile(dataFileName)) DeleteFileA(SpoolPath(dataFileName).c_str());
}
