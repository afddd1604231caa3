#include "tools/nfsctl/LockFileCheck.h"

#include "status/LockRecord.h"

std::vector<Finding> CheckLockFile(const std::string& path, std::string_view bytes) {
  const size_t records = ParseLockRecords(bytes).size();
  const size_t end = LockRecordsEnd(bytes);
  if (end == bytes.size()) return {};
  return {{Finding::kWarning, "locks.truncated-tail", path, 0,
           std::to_string(bytes.size() - end) + " byte(s) after the " + std::to_string(records) +
               " whole record(s), from offset " + std::to_string(end) +
               ", are no whole record: the console does not show them"}};
}
