#include "printing/StartPrinting.h"

#include <windows.h>

#include <string>

#include "framework/Messages.h"
#include "printing/PrintQueue.h"
#include "printing/PrinterExports.h"
#include "printing/PrintingPaths.h"
#include "resources/resource.h"

namespace {
bool EnsureDirectory(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return true;
  return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}
}  // namespace

bool PrintingIsOn() {
  if (HavePrintingPaths()) return true;
  AfxMessageBox(IDS_PRINTING_OFF, MB_OK | MB_ICONEXCLAMATION);
  return false;
}

void StartPrinting() {
  BuildPrintingPaths();
  if (!PrintingIsOn()) return;
  const PrintingPaths& paths = CurrentPrintingPaths();
  if (!EnsureDirectory(paths.spoolParent) || !EnsureDirectory(paths.spoolDirectory)) return;
  ReadPrintcap();
  ProcessPrintQueue();
}
