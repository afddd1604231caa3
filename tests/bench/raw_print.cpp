// The floor of a raw job under Wine: a file sent to a printer through the spooler
// alone, in blocks of a given size. Usage: raw_print PRINTER FILE BLOCK_BYTES.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "portable/UniqueFile.h"
#include "printing/PrintingHandles.h"

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  HANDLE opened = nullptr;
  if (!OpenPrinterA(argv[1], &opened, nullptr)) return 1;
  const UniquePrinter printer(opened);
  DOC_INFO_1A document{};
  document.pDocName = argv[2];
  document.pDatatype = const_cast<char*>("RAW");
  const UniqueFile data(std::fopen(argv[2], "rb"));
  if (!data || StartDocPrinterA(printer.get(), 1, reinterpret_cast<BYTE*>(&document)) == 0) return 1;
  std::vector<char> block(std::strtoul(argv[3], nullptr, 10));
  for (size_t count; (count = std::fread(block.data(), 1, block.size(), data.get())) > 0;) {
    DWORD written = 0;
    if (!WritePrinter(printer.get(), block.data(), static_cast<DWORD>(count), &written)) return 1;
  }
  return EndDocPrinter(printer.get()) ? 0 : 1;
}
