// Each reader of a shared file against a plain fgets loop over the same file.
// Asserts nothing.
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <unistd.h>

#include "exports/ExportEntryStream.h"
#include "mapping/MappingFile.h"
#include "portable/UniqueFile.h"
#include "portable/WholeFile.h"
#include "printing/ControlFile.h"
#include "printing/PrintcapFile.h"
#include "status/LockLine.h"
#include "status/LockRecord.h"
#include "tests/bench/PairedRuns.h"

namespace {

namespace fs = std::filesystem;
constexpr int kPairs = 21;

UniqueFile Open(const fs::path& path) { return UniqueFile(std::fopen(path.c_str(), "rb")); }

// The file's bytes as the console takes them: opened, read whole, closed.
std::string Whole(const fs::path& path) { return *ReadWholeFile(Open(path).get()); }

// The yardstick: every line of the file through fgets, as plain C reads text.
size_t PlainRead(const fs::path& path) {
  UniqueFile file = Open(path);
  char line[1024];
  size_t bytes = 0;
  while (std::fgets(line, sizeof line, file.get())) bytes += 1;
  return bytes;
}

// Processor milliseconds (user and system) for times runs of read: the files
// stay cached, so that is all a read costs, and unlike wall time it does not
// grow with what else the machine runs.
double Ms(int times, const std::function<size_t()>& read) {
  static size_t sink = 0;  // keeps the reads from being optimised away
  const std::clock_t start = std::clock();
  for (int i = 0; i < times; ++i) sink += read();
  return 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

// times: how often each side reads its file in one run (small files are read many times).
void Compare(const char* what, const fs::path& path, int times, const std::function<size_t()>& read) {
  ComparePairs(what, kPairs, [&] { return Ms(times, read); },
               [&] { return Ms(times, [&] { return PlainRead(path); }); });
}

void WriteFile(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

}  // namespace

int main() {
  const fs::path dir = fs::temp_directory_path() / ("nfs_bench_" + std::to_string(::getpid()));
  fs::create_directories(dir);

  std::string bytes;
  for (int i = 0; i < 10000; ++i)
    bytes += std::string(1, static_cast<char>('c' + i % 3)) + ":\\export\\dir" + std::to_string(i) + " host" +
             std::to_string(i % 97) + " host" + std::to_string(i % 89) + ";" + std::to_string(i % 3) + " host" +
             std::to_string(i % 97) + "\r\n";
  WriteFile(dir / "exports", bytes);
  Compare("exports / fgets, 10,000 lines, 10 reads", dir / "exports", 10,
          [&] { return ReadExportEntries(Whole(dir / "exports")).size(); });

  bytes.clear();
  for (int i = 0; i < 10000; ++i)
    bytes += "user" + std::to_string(i) + "::" + std::to_string(1000 + i) + ":::: \r\n";
  WriteFile(dir / "passwd", bytes);
  Compare("passwd / fgets, 10,000 lines, 10 reads", dir / "passwd", 10,
          [&] { return ReadMappingFile((dir / "passwd").string()).size(); });

  bytes.clear();
  for (int i = 0; i < 10000; ++i)
    bytes += "printer" + std::to_string(i) + ",HP LaserJet 4,HP LaserJet on Ne" + std::to_string(i) +
             ",\\\\server\\queue" + std::to_string(i) + ",\r\n";
  WriteFile(dir / "printcap", bytes);
  Compare("printcap / fgets, 10,000 lines, 10 reads", dir / "printcap", 10, [&] {
    PrinterExportTable table;
    ReadPrintcapEntries(Whole(dir / "printcap"), [] { return WindowsPrinter{"drv", "dev", "port"}; }, table);
    return table.Entries().size();
  });

  WriteFile(dir / "cfA001.nfs", "dfA001\r\nreq-17\r\nalice\r\nlaser\r\n1\r\n42\r\n");
  Compare("control file / fgets, 2,000 reads", dir / "cfA001.nfs", 2000,
          [&] { return ReadControlFile(Whole(dir / "cfA001.nfs"), "cfA001.nfs").userName.size(); });

  bytes.clear();
  for (int i = 0; i < 10000; ++i) {
    const std::string host = "pc" + std::to_string(i % 500);
    const std::string file = "/export/home/user" + std::to_string(i) + "/notes.txt";
    std::string opaque = host + '\0' + file;
    opaque.resize(kUnlockOpaqueSize, '\0');
    bytes += EncodeLockRecord({host, file, opaque, i, int64_t{i} * 4096, 4096});
  }
  WriteFile(dir / "Lock.NLM", bytes);
  Compare("Lock.NLM / fgets, 10,000 records, 10 reads", dir / "Lock.NLM", 10, [&] {
    size_t shown = 0;
    const std::string lockFile = Whole(dir / "Lock.NLM");
    std::string line;  // as the locks page fills its list
    for (const LockRecord& r : ParseLockRecords(lockFile)) {
      FormatLockLine(r, line);
      shown += !line.empty();
    }
    return shown;
  });

  fs::remove_all(dir);
  return 0;
}
