// Any bytes as a "Lock.NLM": the records read never add up to more bytes than
// the file holds, every shown line stays within its limit, and a lock whose line
// can be split back yields an unlock request that shows the same line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "status/LockLine.h"
#include "status/LockRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  size_t encoded = 0;
  for (const LockRecord& record : ParseLockRecords(bytes)) {
    // Texts are cut at a zero byte, so a record encodes to at most its own bytes.
    encoded += EncodeLockRecord(record).size();
    if (encoded > size) std::abort();

    bool cut = false;
    const std::string line = FormatLockLine(record, &cut);
    if (line.size() > kMaxLockLine) std::abort();
    if (cut) continue;  // never asked for: the console refuses a cut line
    const auto request = UnlockRequestFor(line);
    const bool plain =
        record.firstText.find(':') == std::string::npos && record.secondText.find(':') == std::string::npos;
    if (plain != request.has_value()) std::abort();
    if (!request) continue;
    const std::vector<LockRecord> back = ParseLockRecords(*request);
    if (back.size() != 1 || FormatLockLine(back[0]) != line || back[0].opaque.size() != kUnlockOpaqueSize) std::abort();
  }
  return 0;
}
