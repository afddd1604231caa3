#pragma once
// What a program read of a shared file, kept to tell before its write whether
// another program changed the file since. The bytes decide: a file rewritten
// with the same bytes was not changed, whatever its time says.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct FileFingerprint {
  bool exists = false;
  uint64_t size = 0;
  uint64_t hash = 0;  // HashOfBytes

  bool operator==(const FileFingerprint&) const = default;
};

// The 64-bit FNV-1a hash of bytes.
uint64_t HashOfBytes(std::string_view bytes);

// Of a file's bytes; none: there was no file.
FileFingerprint FingerprintOf(const std::optional<std::string>& bytes);

// When now begins with the bytes fingerprinted (other programs only appended
// lines since), what was appended; otherwise none.
std::optional<std::string_view> AppendedSince(const FileFingerprint& read, std::string_view now);
