#include "status/LockRecord.h"

#include <limits>

namespace {

// The three counted texts and three numbers in front of a record.
constexpr size_t kSmallestRecord = 3 * sizeof(int32_t) + sizeof(int32_t) + 2 * sizeof(int64_t);

class RecordReader {
 public:
  explicit RecordReader(std::string_view bytes) : rest_(bytes) {}

  bool AtEnd() const { return rest_.empty(); }
  size_t Left() const { return rest_.size(); }

  // Each read is false once the bytes run out.
  template <class Int>
  bool Number(Int& value) {
    if (rest_.size() < sizeof(Int)) return false;
    uint64_t bits = 0;
    for (size_t i = 0; i < sizeof(Int); ++i) bits |= uint64_t{static_cast<unsigned char>(rest_[i])} << (8 * i);
    rest_.remove_prefix(sizeof(Int));
    value = static_cast<Int>(bits);
    return true;
  }

  bool Counted(std::string_view& bytes) {
    int32_t length = 0;
    if (!Number(length) || length < 0 || static_cast<size_t>(length) > rest_.size()) return false;
    bytes = rest_.substr(0, static_cast<size_t>(length));
    rest_.remove_prefix(bytes.size());
    return true;
  }

 private:
  std::string_view rest_;
};

bool ReadRecord(RecordReader& reader, LockRecord& record) {
  if (!reader.Counted(record.firstText) || !reader.Counted(record.secondText) || !reader.Counted(record.opaque) ||
      !reader.Number(record.number) || !reader.Number(record.firstLong) || !reader.Number(record.secondLong))
    return false;
  record.firstText = record.firstText.substr(0, record.firstText.find('\0'));
  record.secondText = record.secondText.substr(0, record.secondText.find('\0'));
  return true;
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
  // Room for as many records as the bytes could hold, so that the list is
  // allocated once in one pass; room never written is never touched.
  std::vector<LockRecord> records;
  records.reserve(fileBytes.size() / kSmallestRecord);
  for (RecordReader reader(fileBytes); !reader.AtEnd();) {
    if (!ReadRecord(reader, records.emplace_back())) {
      records.pop_back();
      break;
    }
  }
  return records;
}

size_t LockRecordsEnd(std::string_view fileBytes) {
  size_t end = 0;
  RecordReader reader(fileBytes);
  for (LockRecord record; !reader.AtEnd() && ReadRecord(reader, record);) end = fileBytes.size() - reader.Left();
  return end;
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
