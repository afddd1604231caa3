#include "tools/nfsctl/ExportAccess.h"

#include <algorithm>

#include "exports/ClientList.h"

namespace {
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool Names(std::string_view list, std::string_view host) {
  for (const std::string& name : SplitClientList(list))
    if (std::equal(name.begin(), name.end(), host.begin(), host.end(),
                   [](char a, char b) { return Lower(a) == Lower(b); }))
      return true;
  return false;
}
}  // namespace

ExportAccess AccessFor(const ExportEntry& entry, std::string_view host) {
  ExportAccess access;
  access.mountable = entry.IsExportedToAll() || Names(entry.clients, host);
  if (!access.mountable) return access;
  access.readWrite = entry.mode == ExportEntry::kReadWrite ||
                     (entry.mode == ExportEntry::kReadWriteList && Names(entry.rwList, host));
  return access;
}
