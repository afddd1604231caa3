#pragma once
// Which waiting job prints next: the control file written first.
#include <cstdint>
#include <string>
#include <vector>

// A file of the spool directory as the directory enumeration returns it.
struct SpoolFileInfo {
  std::string name;
  uint64_t lastWriteTime = 0;  // any unit that grows with time
};

// The handled control file with the oldest last-write time; of equal times the one
// enumerated first. Null when there is none.
const SpoolFileInfo* OldestControlFile(const std::vector<SpoolFileInfo>& files);
