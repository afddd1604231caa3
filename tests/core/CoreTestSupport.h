#pragma once
// What several core tests share: temporary files holding given bytes, for the
// readers that take an open stream, the lead bytes of code page 932, and
// exports as the editor stores them.
#include <cstdio>
#include <string>

#include "exports/ExportEntry.h"
#include "portable/MbcsText.h"
#include "portable/UniqueFile.h"

inline UniqueFile FileWith(const std::string& bytes) {
  UniqueFile f(std::tmpfile());
  std::fwrite(bytes.data(), 1, bytes.size(), f.get());
  std::rewind(f.get());
  return f;
}

// Shift-JIS lead bytes in force while it lives, as the console sets them on a
// Japanese system.
class ShiftJisScope {
 public:
  ShiftJisScope() {
    LeadByteSet leadBytes;
    for (int b = 0x81; b <= 0x9f; ++b) leadBytes.set(b);
    for (int b = 0xe0; b <= 0xfc; ++b) leadBytes.set(b);
    SetLeadBytes(leadBytes);
  }
  ~ShiftJisScope() { SetLeadBytes({}); }
};

// Exported to every client when no client is named.
inline ExportEntry Entry(char drive, std::string path, std::string clients = "", int mode = 0,
                         std::string rwList = "") {
  ExportEntry entry;
  entry.flags = clients.empty() ? ExportEntry::kAllClients : 0;
  entry.drive = drive;
  entry.path = std::move(path);
  entry.clients = std::move(clients);
  entry.mode = mode;
  entry.rwList = std::move(rwList);
  return entry;
}
