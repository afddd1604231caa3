#include "framework/SharedFileSave.h"

#include <cstring>

#include "framework/FrameworkIds.h"
#include "framework/Messages.h"
#include "framework/ResMessage.h"

SaveResult SaveSharedFile(SharedFile& file, const std::function<std::string()>& bytes,
                          const std::function<void(std::string_view)>& takeAppended) {
  // Until the disk is what was read, or the administrator chose to write over
  // what it was when asked; a change made while the question was shown asks again.
  for (;;) {
    std::optional<FileLock> lock = FileLock::Take(file.Path());
    if (!lock) {
      AfxMessageBox(ResMessage(IDS_SHARED_FILE_BUSY,
                               {file.Path(), std::to_string(FileLock::kWaitMilliseconds / 1000)}),
                    MB_OK | MB_ICONEXCLAMATION);
      return {SaveOutcome::kNotWritten, {}};
    }
    const PathRead disk = file.ReadDisk(*lock);
    if (!disk.bytes && !disk.Missing()) {
      AfxMessageBox(ResMessage(IDS_SHARED_FILE_UNREADABLE,
                               {file.Path(), disk.error ? std::strerror(disk.error) : "read error"}),
                    MB_OK | MB_ICONEXCLAMATION);
      return {SaveOutcome::kNotWritten, {}};
    }
    if (!file.Unchanged(disk)) {
      if (const std::optional<std::string_view> appended = file.Appended(disk); appended && takeAppended) {
        takeAppended(*appended);
        file.Remember(disk);
      } else {
        lock.reset();
        const int answer = AfxMessageBox(ResMessage(IDS_SHARED_FILE_CHANGED, {file.Path()}),
                                         MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3);
        if (answer == IDYES) return {SaveOutcome::kReload, {}};
        if (answer != IDNO) return {SaveOutcome::kKeepEditing, {}};
        file.Remember(disk);
        continue;
      }
    }
    std::string error = file.Write(*lock, bytes());
    if (!error.empty()) return {SaveOutcome::kWriteFailed, std::move(error)};
    return {SaveOutcome::kWritten, {}};
  }
}
