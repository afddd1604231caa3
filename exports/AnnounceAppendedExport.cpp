#include "exports/AnnounceAppendedExport.h"

#include <windows.h>

#include "portable/SharedWithService.h"

bool AnnounceAppendedExport() {
  HWND console = FindWindowA(kMainWindowClass, nullptr);
  if (!console) return false;
  SendMessageA(console, kExportAppendedMessage, 0, 0);
  return true;
}
