#include "framework/AnsiLeadBytes.h"

#include <windows.h>

#include "portable/MbcsText.h"

void UseAnsiLeadBytes() {
  CPINFO info{};
  LeadByteSet leadBytes;
  if (GetCPInfo(CP_ACP, &info)) {
    // Pairs of first and last byte, ended by a pair of zeros.
    for (size_t i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i]; i += 2) {
      for (unsigned b = info.LeadByte[i]; b <= info.LeadByte[i + 1]; ++b) leadBytes.set(b);
    }
  }
  SetLeadBytes(leadBytes);
}
