#pragma once
// One exported printer: one line of printcap, one row of the exported printers list.
#include <string>

// A Windows printer as the spooler and CreateDC know it.
struct WindowsPrinter {
  std::string driver;
  std::string device;
  std::string port;

  bool operator==(const WindowsPrinter&) const = default;
};

struct PrinterExport {
  std::string name;       // the name PC clients print to
  std::string status;     // always kPrinterReady
  int useDefault = 0;     // 1: follows the Windows default printer
  std::string driver;
  std::string device;
  std::string port;
  std::string extra;      // the fifth printcap field, kept verbatim

  WindowsPrinter Printer() const { return {driver, device, port}; }
};

inline constexpr char kPrinterReady[] = "Ready";
