// Reading the larger shared files against a plain read of the same bytes:
// a Lock.NLM of 100,000 records, a printcap of 10,000 lines and a passwd file of
// 100,000 lines, generated in a temporary directory. Prints the best of a few runs.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include <unistd.h>

#include "mapping/MappingFile.h"
#include "printing/PrintcapFile.h"
#include "status/LockLine.h"
#include "status/LockRecord.h"
#include "portable/WholeFile.h"

namespace {

namespace fs = std::filesystem;
using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

File Open(const fs::path& path) { return File(std::fopen(path.string().c_str(), "rb"), &std::fclose); }

// The best time of a few runs, in milliseconds; work returns a count that is
// printed so that the compiler keeps it.
double BestMs(const std::function<size_t()>& work, size_t& count) {
  double best = 1e300;
  for (int run = 0; run < 5; ++run) {
    const auto start = std::chrono::steady_clock::now();
    count = work();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  return best;
}

void Compare(const char* what, const fs::path& path, const std::function<size_t()>& read) {
  size_t plainBytes = 0, items = 0;
  const double plain = BestMs([&] { return ReadWholeFile(Open(path).get())->size(); }, plainBytes);
  const double parsed = BestMs(read, items);
  std::printf("%-28s %9zu bytes %7zu items  plain %8.3f ms  read %8.3f ms  ratio %6.1f\n", what,
              plainBytes, items, plain, parsed, parsed / plain);
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace

int main() {
  const fs::path dir = fs::temp_directory_path() / ("nfs_bench_" + std::to_string(::getpid()));
  fs::create_directories(dir);

  std::string bytes;
  for (int i = 0; i < 100000; ++i) {
    const std::string host = "pc" + std::to_string(i % 500);
    const std::string file = "/export/home/user" + std::to_string(i) + "/notes.txt";
    std::string opaque = host + '\0' + file;
    opaque.resize(kUnlockOpaqueSize, '\0');
    bytes += EncodeLockRecord({host, file, opaque, i, int64_t{i} * 4096, 4096});
  }
  WriteFile(dir / "Lock.NLM", bytes);

  bytes.clear();
  for (int i = 0; i < 10000; ++i)
    bytes += "printer" + std::to_string(i) + ",HP LaserJet 4,HP LaserJet on Ne" + std::to_string(i) +
             ",\\\\server\\queue" + std::to_string(i) + ",\r\n";
  WriteFile(dir / "printcap", bytes);

  bytes.clear();
  for (int i = 0; i < 100000; ++i)
    bytes += "user" + std::to_string(i) + "::" + std::to_string(1000 + i) + ":::: \r\n";
  WriteFile(dir / "passwd", bytes);

  Compare("Lock.NLM, 100000 records", dir / "Lock.NLM", [&] {
    const auto records = ParseLockRecords(*ReadWholeFile(Open(dir / "Lock.NLM").get()));
    size_t lines = 0;
    for (const LockRecord& r : records) lines += !FormatLockLine(r).empty();
    return lines;
  });
  Compare("printcap, 10000 lines", dir / "printcap", [&] {
    PrinterExportTable table;
    ReadPrintcapEntries(Open(dir / "printcap").get(), [] { return WindowsPrinter{"drv", "dev", "port"}; },
                        table);
    return table.Entries().size();
  });
  Compare("passwd, 100000 lines", dir / "passwd",
          [&] { return ReadMappingFile((dir / "passwd").string()).size(); });

  fs::remove_all(dir);
  return 0;
}
