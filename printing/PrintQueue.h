#pragma once
// The print queue: the jobs waiting in the spool directory, the paused flag, the
// banner setting and the one job record of the whole run.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "printing/SpoolJob.h"

// Prints every waiting job, oldest first: 0 when none is left but the kept ones,
// -1 when the run stopped early (paused, or a job's files could not be read or
// deleted). A run already in progress is not started again from inside itself.
int ProcessPrintQueue();

// Called whenever the waiting jobs or the paused flag change (null: nobody).
void SetQueueChangedHandler(std::function<void()> handler);

// Loads the control file and prints its job: 0 when the job was attempted, -1
// when the queue is paused or the control file cannot be opened, kJobKept when
// the job must stay (its printer is exported on disk but not in the table).
constexpr int kJobKept = 1;
int LoadSpoolJob(const std::string& controlFileName);

// Deletes the control file, then the data file, of the job last loaded: 0, or
// -1 at the first failure. A data file the console must not touch by its name
// is left alone.
int RemoveJobFiles();

const SpoolJob& CurrentSpoolJob();

bool QueuePaused();
// Pauses the queue and drops the job last loaded.
void PauseQueue();
void ResumeQueue();


// The rows of the queue list, one per control file, in enumeration order.
std::vector<std::string> ReadQueueRows();
// Deletes the job that a row of the queue list shows. Failures are not reported.
void DeleteQueuedJob(std::string_view row);
