#pragma once
// One exported directory: one line of the exports file, one item of the export list.
#include <cstdint>
#include <string>

struct ExportEntry {
  // Bit of `flags`: exported to every client; `clients` is then not used.
  static constexpr int32_t kAllClients = 1;
  // Values of `mode`, in the order of the editor's radio buttons.
  enum Mode : int32_t { kReadOnly = 0, kReadWrite = 1, kReadWriteList = 2 };

  int32_t flags = 0;
  int32_t drive = 0;        // a DriveByte: the drive letter's code, case kept
  std::string path;         // without drive and colon, e.g. \public
  std::string clients;      // host names joined by ", "
  int32_t mode = kReadOnly;
  std::string rwList;       // joined by "," when read from the file, as typed otherwise

  bool IsExportedToAll() const { return (flags & kAllClients) != 0; }
  bool operator==(const ExportEntry&) const = default;
};
