#pragma once
// What several core tests share: temporary files holding given bytes, for the
// readers that take an open stream, and the lead bytes of code page 932.
#include <cstdio>
#include <string>

#include "portable/MbcsText.h"
#include "portable/UniqueFile.h"

inline UniqueFile FileWith(const std::string& bytes) {
  UniqueFile f(std::tmpfile());
  std::fwrite(bytes.data(), 1, bytes.size(), f.get());
  std::rewind(f.get());
  return f;
}

// Shift-JIS lead bytes in force while it lives, as the console sets them on a
// Japanese system.
class ShiftJisScope {
 public:
  ShiftJisScope() {
    LeadByteSet leadBytes;
    for (int b = 0x81; b <= 0x9f; ++b) leadBytes.set(b);
    for (int b = 0xe0; b <= 0xfc; ++b) leadBytes.set(b);
    SetLeadBytes(leadBytes);
  }
  ~ShiftJisScope() { SetLeadBytes({}); }
};
