#include "portable/FileFingerprint.h"

uint64_t HashOfBytes(std::string_view bytes) {
  uint64_t hash = 14695981039346656037ull;
  for (const char byte : bytes) hash = (hash ^ static_cast<unsigned char>(byte)) * 1099511628211ull;
  return hash;
}

FileFingerprint FingerprintOf(const std::optional<std::string>& bytes) {
  if (!bytes) return {};
  return {true, bytes->size(), HashOfBytes(*bytes)};
}

std::optional<std::string_view> AppendedSince(const FileFingerprint& read, std::string_view now) {
  if (now.size() < read.size) return std::nullopt;
  const std::string_view before = now.substr(0, static_cast<size_t>(read.size));
  if (read.exists && HashOfBytes(before) != read.hash) return std::nullopt;
  return now.substr(before.size());
}
