#pragma once
// The lock on one shared file that every program of the installation (the
// console, nfsctl, addexport, the hosts editor) holds from reading the file for
// a change to writing it, so that writers take turns instead of erasing each
// other's lines. It is a named mutex of the current session, named after the
// file's full path in upper case: every spelling of the path takes the same lock.
// A holder that ends without releasing it (a crash) leaves it abandoned, and
// the next waiter takes it: the file itself is whole, as every write replaces it
// whole.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

class FileLock {
 public:
  // How long a program waits for another one's change to end.
  static constexpr DWORD kWaitMilliseconds = 5000;

  // The lock on the file at path, held by this thread until destroyed; none when
  // another program held it for the whole wait, or it could not be made.
  static std::optional<FileLock> Take(const std::string& path);

 private:
  struct Releaser {
    void operator()(HANDLE mutex) const noexcept {
      ReleaseMutex(mutex);
      CloseHandle(mutex);
    }
  };
  explicit FileLock(HANDLE mutex) : mutex_(mutex) {}

  std::unique_ptr<void, Releaser> mutex_;
};

// What a companion program says when the wait ran out.
std::string FileBusyText(const std::string& path);
