#include "status/LockRecord.h"

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
  return LockRecord{std::string(first->substr(0, first->find('\0'))),
                    std::string(second->substr(0, second->find('\0'))),
                    std::string(*opaque),
                    *number,
                    *firstLong,
                    *secondLong};
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
  std::vector<LockRecord> records;
  RecordReader reader(fileBytes);
  while (!reader.AtEnd()) {
    auto record = ReadRecord(reader);
    if (!record) break;
    records.push_back(std::move(*record));
  }
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
