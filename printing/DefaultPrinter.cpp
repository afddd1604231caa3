#include "printing/DefaultPrinter.h"

#include <windows.h>

#include "printing/ProfileDevice.h"

WindowsPrinter ReadDefaultPrinter() {
  char value[kMaxProfileDevice + 1] = "";
  const DWORD length = GetProfileStringA("windows", "device", ",,,", value, sizeof value);
  return ParseProfileDevice(std::string_view(value, length));
}
