#include "tools/nfsctl/ExportAccess.h"

#include "exports/ClientList.h"
#include "portable/AsciiCase.h"

namespace {
bool Names(std::string_view list, std::string_view host) {
  for (const std::string& name : ClientListNames(list))
    if (EqualsIgnoringAsciiCase(name, host)) return true;
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
