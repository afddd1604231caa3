#pragma once
// One record of "Lock.NLM" and "Unlock.NLM": three counted byte strings and three
// numbers, little-endian, without padding. The texts are views, into the file's
// bytes when read, which must outlive the record.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct LockRecord {
  std::string_view firstText;   // up to the first zero byte of its counted bytes
  std::string_view secondText;  // likewise
  std::string_view opaque;      // never shown; 20 bytes in the records the console writes
  int32_t number = 0;
  int64_t firstLong = 0;
  int64_t secondLong = 0;
};

// The whole records of a file's bytes, in order. A record that is cut short, or
// whose length field is negative or longer than the rest of the file, ends the list.
std::vector<LockRecord> ParseLockRecords(std::string_view fileBytes);
// The records would view into a string about to go.
std::vector<LockRecord> ParseLockRecords(std::string&&) = delete;

// Where the whole records of a file's bytes end: what follows is no whole record.
size_t LockRecordsEnd(std::string_view fileBytes);

// The bytes of one record.
std::string EncodeLockRecord(const LockRecord& record);

// Whether an unlock request can name this lock: the request is made back from
// the shown line, which carries each long number as a signed 32-bit value, so a
// long number outside that range would ask the service to release another lock.
bool FitsUnlockRecord(const LockRecord& record);
