// What keeping a version costs: the save of a 10,000-line exports file with and
// without its record, and listing a history of 1,000 versions against an empty
// one (headers only, as `nfsctl history` lists). Asserts nothing.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "portable/SaveWholeFile.h"
#include "portable/VersionStore.h"
#include "tests/bench/PairedRuns.h"

namespace {

namespace fs = std::filesystem;
constexpr int kPairs = 21;
const VersionOrigin kOrigin{"bench", "HOST", "nfsctl", "nfsctl exports add", ""};

template <class Work>
double Milliseconds(Work work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
  const fs::path dir = fs::temp_directory_path() / ("nfs_bench_history_" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::string exports;
  for (int i = 0; i < 10000; ++i) exports += "c:\\export\\dir" + std::to_string(i) + " host1 host2;1 \r\n";
  const std::string path = (dir / "exports").string();

  const VersionStore store((dir / "history").string());
  int line = 0;
  ComparePairs("save 10,000 lines + version / save", kPairs,
               [&] {
                 return Milliseconds([&] {
                   const std::string bytes = exports + "c:\\new" + std::to_string(++line) + ";0 \r\n";
                   SaveWholeFile(path, bytes);
                   store.Record(kOrigin, "exports", path, {}, bytes);
                 });
               },
               [&] { return Milliseconds([&] { SaveWholeFile(path, exports + "c:\\x" + std::to_string(++line)); }); });

  const VersionStore full((dir / "full").string(), {1000, 64ull << 20}), empty((dir / "empty").string());
  for (int i = 0; i < 1000; ++i) full.Record(kOrigin, i % 2 ? "passwd" : "group", "x", {}, std::to_string(i));
  size_t listed = 0;
  ComparePairs("list 1,000 versions / empty history", kPairs,
               [&] { return Milliseconds([&] { listed += full.List().size(); }); },
               [&] { return Milliseconds([&] { listed += empty.List().size(); }); });
  std::printf("(%zu versions listed)\n", listed);
  fs::remove_all(dir);
}
