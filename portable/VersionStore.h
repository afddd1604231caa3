#pragma once
// The history of the shared files and values: every version any program of the
// installation wrote, and every change found made outside them, kept in the
// folder "history" of the install directory. The service reads none of it.
//
// One version is one file, named "<id>.<name>.ver": the id is the UTC time to
// the millisecond, the writer's process id and a counter
// ("20261207T083431123-4242-1"), the name that of the shared file ("exports",
// "passwd", "mountd.list", "options"...). The file is created exclusively, so two
// programs saving in the same millisecond both keep theirs: a clash takes the
// next counter. Its content is a header of "key: value" lines, an empty line,
// then the bytes exactly as written (for the server options, their values as
// text):
//   nfs-version 1
//   file: exports               path: C:\NFS\exports
//   utc: 2026-12-07T08:34:31.123Z    local: 2026-12-07 09:34:31.123
//   account: / machine: / program: / action: / reason:
//   previous: / new:            64-bit FNV-1a of the bytes before and after,
//                               16 hex digits, or "none" for no file
//   added: / removed:           lines, against the previous version kept
// each on its own line. Control characters in a value are stored as \xNN, so
// a header is always one line per key.
// Retention: after each record, the oldest versions of that file beyond 100 go,
// then the oldest of all files until the folder holds at most 64 MB; the newest
// version is always kept.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "portable/FileFingerprint.h"

// Who made a change and why.
struct VersionOrigin {
  std::string account;
  std::string machine;
  std::string program;  // "nfsctl", "console", "changed outside"...
  std::string action;   // the console's command, nfsctl's command line
  std::string reason;   // given with nfsctl --reason; often empty
};

// A version's header.
struct Version {
  std::string id;
  std::string file;
  std::string path;
  std::string utc;
  std::string local;
  VersionOrigin origin;
  std::string previousHash;
  std::string newHash;
  size_t added = 0;
  size_t removed = 0;
};

struct Retention {
  size_t versionsPerFile = 100;
  uint64_t totalBytes = 64ull << 20;
};

class VersionStore {
 public:
  explicit VersionStore(std::string folder, Retention retention = {})
      : folder_(std::move(folder)), retention_(retention) {}

  const std::string& Folder() const { return folder_; }

  // Keeps bytes as the newest version of the shared file or value file (its
  // name in the store), found at path, whose bytes were previous before; makes
  // the folder when missing. An empty text, or why nothing was kept.
  std::string Record(const VersionOrigin& origin, const std::string& file, const std::string& path,
                     const FileFingerprint& previous, std::string_view bytes) const;

  // Every version's header, newest first; those of file (a shared file's name)
  // only, when given.
  std::vector<Version> List(std::string_view file = {}) const;
  std::optional<Version> Newest(std::string_view file) const;
  // The newest version's header of each file the store holds.
  std::vector<Version> NewestOfEachFile() const;
  std::optional<Version> Find(std::string_view id) const;
  // The bytes a version kept; none when it cannot be read.
  std::optional<std::string> Bytes(std::string_view id) const;

 private:
  std::string folder_;
  Retention retention_;
};

// A shared file's name in the store: the last component of its path.
std::string VersionFileName(std::string_view path);
// 16 hex digits of a fingerprint's hash, or "none" for no file.
std::string HashText(const FileFingerprint& fingerprint);
