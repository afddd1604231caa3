#pragma once
// RAII owners for the printing handles: a printer device context and a spooler handle.
#include <windows.h>
#include <winspool.h>

#include <memory>
#include <type_traits>

struct PrinterDCDeleter {
  void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};
using UniquePrinterDC = std::unique_ptr<std::remove_pointer_t<HDC>, PrinterDCDeleter>;

struct PrinterCloser {
  void operator()(HANDLE printer) const noexcept { ClosePrinter(printer); }
};
using UniquePrinter = std::unique_ptr<void, PrinterCloser>;
