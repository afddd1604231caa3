#include "framework/SystemDirectory.h"

#include <windows.h>

std::optional<std::string> SystemDirectory() {
  char system[MAX_PATH];
  const UINT length = GetSystemDirectoryA(system, sizeof system);
  if (length == 0 || length >= sizeof system) return std::nullopt;
  return std::string(system, length);
}
