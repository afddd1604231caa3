// Any bytes as each file nfsctl check reads: every finding names a line the file
// has (or none), and says something; the what-if diff of appending a line shows
// that line added and nothing removed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tools/nfsctl/ExportsCheck.h"
#include "tools/nfsctl/LockFileCheck.h"
#include "tools/nfsctl/MappingCheck.h"
#include "tools/nfsctl/PrintcapCheck.h"
#include "tools/nfsctl/UnifiedDiff.h"

namespace {
void Verify(const std::vector<Finding>& findings, size_t lines) {
  for (const Finding& finding : findings)
    if (finding.line > lines || finding.message.empty() || finding.kind.empty()) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  size_t lines = 1;
  for (char c : bytes) lines += c == '\n';
  Verify(CheckExportsFile("exports", bytes), lines);
  Verify(CheckMappingFile("passwd", bytes, "passwd", "UID"), lines);
  Verify(CheckPrintcapFile("printcap", bytes, {}), lines);
  Verify(CheckPrintcapFile("printcap", bytes, {"drv", "dev", "port"}), lines);
  Verify(CheckLockFile("Lock.NLM", bytes), 0);

  const std::string before = bytes.empty() || bytes.back() == '\n' ? bytes : bytes + "\n";
  const std::string diff = UnifiedDiff("f", before, before + "\x01" "added\n");
  if (diff.find("\n+\x01" "added\n") == std::string::npos || diff.find("\n-") != std::string::npos) std::abort();
  return 0;
}
