#pragma once
// Printing one job: the banner document through a device context of the job's
// printer, then the data file unchanged as a raw document through the spooler.
#include <cstddef>
#include <string_view>

#include "printing/SpoolJob.h"

// The size of the blocks the data file is sent in; it is never held whole.
constexpr size_t kDataBlockSize = 1024;

// Whether the console may open, print and delete the job's data file by its
// name: a plain name of the spool directory that is not a directory there.
bool IsUsableDataFile(std::string_view dataFileName);

// kAttempted: the job is to be removed, whatever happened to it. kKept: the job
// must stay in the spool directory, since printcap on disk exports its printer
// (added by another program since the console read the file) and the console's
// table does not know it yet.
enum class JobOutcome { kAttempted, kKept };

// Prints the job, showing what went wrong in the job's own boxes; a queue paused
// meanwhile (Abort, just before the job) only says so. A job whose printer is
// exported neither in the table nor on disk is attempted without a message.
JobOutcome PrintSpoolJob(const SpoolJob& job, bool paused);
