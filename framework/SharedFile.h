#pragma once
// The safe change of a shared file, the one way every program of the
// installation writes the exports, passwd, group, printcap and hosts files:
//  1. read it whole, remembering what was read (Load);
//  2. take its FileLock, read it again and compare with what was remembered
//     (ReadDisk, Unchanged): another program's change is never written over
//     unseen; the console asks (SaveSharedFile), nfsctl refuses unless forced;
//  3. replace it whole through SaveWholeFile while still holding the lock
//     (Write), remembering what was written.
// The lock is held only from step 2 to 3, never while a question is shown.
#include <optional>
#include <string>
#include <string_view>

#include "framework/FileLock.h"
#include "portable/FileFingerprint.h"
#include "portable/WholeFile.h"

class SharedFile {
 public:
  explicit SharedFile(std::string path, ReadMode mode = ReadMode::kBinary) : path_(std::move(path)), mode_(mode) {}

  const std::string& Path() const { return path_; }

  // Reads the file whole and remembers it, a missing file as no file. No lock is
  // needed: every write replaces the file whole, so a read sees one version.
  PathRead Load();
  // The file as it is now, to compare before a write; nothing is remembered.
  PathRead ReadDisk(const FileLock&) const { return ReadWholeFileAt(path_, mode_); }
  // Whether disk (read or missing) is what was last read or written.
  bool Unchanged(const PathRead& disk) const { return FingerprintOf(disk.bytes) == read_; }
  // What other programs appended since the last read or write, when they did no more.
  std::optional<std::string_view> Appended(const PathRead& disk) const;
  // The disk becomes what the next write is compared with: its change is taken
  // in, or the administrator chose to write over it.
  void Remember(const PathRead& disk) { read_ = FingerprintOf(disk.bytes); }
  // Replaces the file whole; an empty text, or what went wrong (the old file is
  // whole). On success what was written is remembered.
  std::string Write(const FileLock& lock, std::string_view bytes);

 private:
  std::string path_;
  ReadMode mode_;
  FileFingerprint read_;
};
