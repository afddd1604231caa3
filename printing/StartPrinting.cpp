#include "printing/StartPrinting.h"

#include <windows.h>

#include <string>

#include "printing/PrintQueue.h"
#include "printing/PrinterExports.h"
#include "printing/PrintingPaths.h"

namespace {
bool EnsureDirectory(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return true;
  return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}
}  // namespace

void StartPrinting() {
  if (!BuildPrintingPaths()) return;
  const PrintingPaths& paths = CurrentPrintingPaths();
  if (!EnsureDirectory(paths.spoolParent) || !EnsureDirectory(paths.spoolDirectory)) return;
  ReadPrintcap();
  ProcessPrintQueue();
}
