// Any bytes as a hosts file: the hosts editor must give back exactly what it
// read, and the console's host-name rule must take a name from any line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "exports/HostNames.h"
#include "tools/hostedit/HostsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const HostsFile file = HostsFile::Parse(text);
  if (file.Format() != text) std::abort();

  HostsFile changed = file;
  if (changed.EntryCount() > 0) {
    const HostsEntry first = changed.Entry(0);
    changed.Change(0, first);
    if (HostsFile::Parse(changed.Format()).EntryCount() != file.EntryCount()) std::abort();
  }

  if (auto name = HostNameOfLine(text); name && (name->empty() || name->size() > kMaxHostName))
    std::abort();
  return 0;
}
