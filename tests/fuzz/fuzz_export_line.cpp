// Any bytes through the exports-line grammar, and every accepted entry through
// its written form and back. Commas inside names and modes other than a digit do
// not survive writing, by the file's design, so those lines skip the round trip.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "exports/ExportLineGrammar.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  ExportEntry entry;
  const int fields = ParseExportLine(line, kStartupScanLimit, entry);
  if (fields < -1) std::abort();

  if (IsAcceptedExportLine(fields) && entry.mode >= 0 && entry.mode <= 9 &&
      line.find(',') == std::string_view::npos) {
    // A written line reads back as the same entry.
    ExportEntry again;
    if (!IsAcceptedExportLine(ParseExportLine(FormatExportLine(entry), SIZE_MAX, again)))
      std::abort();
    if (again.drive != entry.drive || again.path != entry.path ||
        again.clients != entry.clients || again.mode != entry.mode ||
        again.rwList != entry.rwList || again.flags != entry.flags)
      std::abort();
  }
  return 0;
}
