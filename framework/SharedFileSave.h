#pragma once
// The console's save of a shared file (see SharedFile.h): when another program
// changed the file since the console read it, the administrator chooses, as in
// the hosts editor, between reloading it, overwriting it and editing on.
#include <functional>
#include <string>
#include <string_view>

#include "framework/SharedFile.h"

enum class SaveOutcome {
  kWritten,
  kReload,       // the administrator chose to reload: nothing written
  kKeepEditing,  // the administrator cancelled: nothing written
  kNotWritten,   // the lock or the file could not be had; already told
  kWriteFailed,  // the write failed: the old file is whole; the caller tells
};
struct SaveResult {
  SaveOutcome outcome;
  std::string error;  // kWriteFailed: the system's reason
};

// bytes gives the file's new content, asked for under the lock. With
// takeAppended, lines that other programs only appended are handed to it, to be
// taken into what bytes gives, and are no reason to ask.
SaveResult SaveSharedFile(SharedFile& file, const std::function<std::string()>& bytes,
                          const std::function<void(std::string_view)>& takeAppended = nullptr);
