#include "printing/BannerSetting.h"

#include <windows.h>

#include "portable/SharedWithService.h"

int BannerSetting() {
  return static_cast<int>(GetPrivateProfileIntA(kIniPcnfsdSection, kIniBannerKey, 1, kIniFileName));
}

void WriteBannerSetting(bool on) {
  WritePrivateProfileStringA(kIniPcnfsdSection, kIniBannerKey, on ? "1" : "0", kIniFileName);
}
