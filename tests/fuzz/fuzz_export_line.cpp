// Any bytes through the exports-line grammar, and every accepted entry through
// its written form and back. Commas inside names and a mode that was a line end
// do not survive writing, by the file's design, so those lines skip the round trip.
// A line that the refusal check lets through must read back as the same entry.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "exports/ExportLineGrammar.h"
#include "exports/ExportLineProblem.h"

namespace {
bool ReadsBackTheSame(const ExportEntry& entry) {
  ExportEntry again;
  return IsAcceptedExportLine(ParseExportLine(FormatExportLine(entry), SIZE_MAX, again)) && again == entry;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  ExportEntry entry;
  const int fields = ParseExportLine(line, kStartupScanLimit, entry);
  if (fields < -1) std::abort();

  const bool lineEndMode = entry.mode == '\n' - '0' || entry.mode == '\r' - '0';
  if (IsAcceptedExportLine(fields) && !lineEndMode &&
      line.find(',') == std::string_view::npos && !ReadsBackTheSame(entry))
    std::abort();

  if (!ExportLineProblem(line)) {
    ExportEntry appended;
    if (!IsAcceptedExportLine(ParseExportLine(std::string(line) + "\n", kAppendScanLimit, appended)) ||
        ExportEntryProblem(appended) || !ReadsBackTheSame(appended))
      std::abort();
  }
  return 0;
}
