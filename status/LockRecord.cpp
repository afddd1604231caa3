#include "status/LockRecord.h"

#include <limits>
#include <optional>

namespace {

class RecordReader {
 public:
  explicit RecordReader(std::string_view bytes) : rest_(bytes) {}

  bool AtEnd() const { return rest_.empty(); }

  template <class Int>
  std::optional<Int> Number() {
    if (rest_.size() < sizeof(Int)) return std::nullopt;
    uint64_t value = 0;
    for (size_t i = 0; i < sizeof(Int); ++i)
      value |= uint64_t{static_cast<unsigned char>(rest_[i])} << (8 * i);
    rest_.remove_prefix(sizeof(Int));
    return static_cast<Int>(value);
  }

  std::optional<std::string_view> Counted() {
    const auto length = Number<int32_t>();
    if (!length || *length < 0 || static_cast<size_t>(*length) > rest_.size()) return std::nullopt;
    const std::string_view bytes = rest_.substr(0, static_cast<size_t>(*length));
    rest_.remove_prefix(bytes.size());
    return bytes;
  }

 private:
  std::string_view rest_;
};

std::optional<LockRecord> ReadRecord(RecordReader& reader) {
  const auto first = reader.Counted();
  if (!first) return std::nullopt;
  const auto second = reader.Counted();
  if (!second) return std::nullopt;
  const auto opaque = reader.Counted();
  if (!opaque) return std::nullopt;
  const auto number = reader.Number<int32_t>();
  const auto firstLong = reader.Number<int64_t>();
  const auto secondLong = reader.Number<int64_t>();
  if (!secondLong) return std::nullopt;  // the numbers run out in order
  return LockRecord{first->substr(0, first->find('\0')), second->substr(0, second->find('\0')), *opaque,
                    *number, *firstLong, *secondLong};
}

bool SkipRecord(RecordReader& reader) {
  return reader.Counted() && reader.Counted() && reader.Counted() && reader.Number<int32_t>() &&
         reader.Number<int64_t>() && reader.Number<int64_t>();
}

template <class Int>
void AppendNumber(std::string& bytes, Int value) {
  const auto bits = static_cast<uint64_t>(value);
  for (size_t i = 0; i < sizeof(Int); ++i) bytes += static_cast<char>(bits >> (8 * i) & 0xff);
}

void AppendCounted(std::string& bytes, std::string_view text) {
  AppendNumber(bytes, static_cast<int32_t>(text.size()));
  bytes += text;
}

}  // namespace

std::vector<LockRecord> ParseLockRecords(std::string_view fileBytes) {
  // Counted first, without copying a byte, so that the list is allocated once.
  size_t count = 0;
  for (RecordReader reader(fileBytes); !reader.AtEnd() && SkipRecord(reader);) ++count;
  std::vector<LockRecord> records;
  records.reserve(count);
  RecordReader reader(fileBytes);
  while (records.size() < count) records.push_back(*ReadRecord(reader));
  return records;
}

std::string EncodeLockRecord(const LockRecord& record) {
  std::string bytes;
  AppendCounted(bytes, record.firstText);
  AppendCounted(bytes, record.secondText);
  AppendCounted(bytes, record.opaque);
  AppendNumber(bytes, record.number);
  AppendNumber(bytes, record.firstLong);
  AppendNumber(bytes, record.secondLong);
  return bytes;
}

bool FitsUnlockRecord(const LockRecord& record) {
  const auto fits = [](int64_t value) {
    return value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max();
  };
  return fits(record.firstLong) && fits(record.secondLong);
}
