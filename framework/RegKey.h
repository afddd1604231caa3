#pragma once
// An open registry key and the few value reads and writes the console makes.
#include <windows.h>

#include <optional>
#include <string>

#include "framework/Handles.h"

class CRegKey {
 public:
  // False when the key does not exist or cannot be opened with that access.
  bool Open(HKEY root, const char* path, REGSAM access);

  // The value's text up to its first NUL (its own terminator is not guaranteed);
  // none when it cannot be read into maxBytes.
  std::optional<std::string> QueryString(const char* name, size_t maxBytes) const;
  // A REG_DWORD of four bytes; a value of another type or size counts as missing.
  std::optional<DWORD> QueryDword(const char* name) const;
  bool SetDword(const char* name, DWORD value);

 private:
  UniqueRegKey key_;
};
