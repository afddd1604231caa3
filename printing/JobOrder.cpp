#include "printing/JobOrder.h"

#include "printing/SpoolFiles.h"

const SpoolFileInfo* OldestControlFile(const std::vector<SpoolFileInfo>& files) {
  const SpoolFileInfo* oldest = nullptr;
  for (const SpoolFileInfo& file : files) {
    if (!IsHandledControlFileName(file.name)) continue;
    if (!oldest || file.lastWriteTime < oldest->lastWriteTime) oldest = &file;
  }
  return oldest;
}
