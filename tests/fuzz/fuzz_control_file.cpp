// Any bytes as a control file: the job's lines stay within their longest values,
// the queue row gives its control file name back, and the banner page of the job
// is laid out at any width.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "printing/BannerPage.h"
#include "printing/ControlFile.h"
#include "printing/QueueRow.h"
#include "printing/SpoolFiles.h"

namespace {
std::FILE* Open(const uint8_t* data, size_t size) {
  return fmemopen(const_cast<uint8_t*>(data), size, "rb");
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const SpoolJob job = ReadControlFile(std::string_view(reinterpret_cast<const char*>(data), size), "cfA001.nfs");
  if (job.dataFileName.size() > 11 || job.requestId.size() > 61 || job.userName.size() > 61 ||
      job.printerName.size() > 61 || job.shortValue.size() > 11)
    std::abort();
  IsSafeSpoolFileName(job.dataFileName);

  const int width = size > 0 ? data[0] * 2 - 100 : 80;
  const auto lines = LayoutBannerPage(width, {job.userName, job.requestId, "date", job.dataFileName});
  if (lines.size() < 13 || lines[0].text.size() > 128) std::abort();

  std::FILE* file = Open(data, size);
  if (!file) return 0;
  const std::string row = ReadQueueRow(file, "cfA001.nfs");
  std::fclose(file);
  if (ControlFileNameOfRow(row) != "cfA001.nfs") std::abort();
  return 0;
}
