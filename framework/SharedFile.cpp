#include "framework/SharedFile.h"

#include "framework/ChangeHistory.h"
#include "portable/SaveWholeFile.h"

PathRead SharedFile::Load() {
  PathRead read = ReadWholeFileAt(path_, mode_);
  NoticeOutsideChange(path_);
  if (read.bytes || read.Missing()) Remember(read);
  return read;
}

std::optional<std::string_view> SharedFile::Appended(const PathRead& disk) const {
  if (!disk.bytes) return std::nullopt;
  return AppendedSince(read_, *disk.bytes);
}

std::string SharedFile::Write(const FileLock& lock, std::string_view bytes) {
  std::string error = SaveWholeFile(path_, bytes);
  // Kept once written, under the lock: the history holds what was on disk, in the order written.
  if (error.empty()) RecordVersion(path_, read_, bytes);
  // Read back rather than taken from bytes: a text-mode reader sees other bytes.
  if (error.empty()) Remember(ReadDisk(lock));
  return error;
}
