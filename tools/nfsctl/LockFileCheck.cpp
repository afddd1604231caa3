#include "tools/nfsctl/LockFileCheck.h"

#include "status/LockRecord.h"

std::vector<Finding> CheckLockFile(const std::string& path, std::string_view bytes) {
  const size_t records = ParseLockRecords(bytes).size();
  // The shortest prefix that still holds every whole record is where they end.
  size_t low = 0, high = bytes.size();
  while (low < high) {
    const size_t middle = low + (high - low) / 2;
    if (ParseLockRecords(bytes.substr(0, middle)).size() == records)
      high = middle;
    else
      low = middle + 1;
  }
  if (low == bytes.size()) return {};
  return {{Finding::kWarning, "locks.truncated-tail", path, 0,
           std::to_string(bytes.size() - low) + " byte(s) after the " + std::to_string(records) +
               " whole record(s), from offset " + std::to_string(low) +
               ", are no whole record: the console does not show them"}};
}
