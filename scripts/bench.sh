#!/usr/bin/env bash
# Builds and runs every benchmark in release trees of their own (no sanitizers):
# build/bench (the readers, natively) and build/bench-win (start-up, under Wine).
# Then nfsctl on big files and printing, each by a script of its own that also
# runs alone. Each prints its figures; nothing is asserted. BENCH_PAIRS sets the
# pairs of start-ups (default 7).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
jobs=$(nproc)
cmake -S . -B build/bench -DNFS_BENCH=ON -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench -j"$jobs" >/dev/null
cmake -S . -B build/bench-win -DNFS_BENCH=ON -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
# Only the benchmarks and what they start, not the companion programs.
targets=$(for source in tests/bench/win_bench_*.cpp; do basename "$source" .cpp; done)
cmake --build build/bench-win -j"$jobs" --target $targets >/dev/null
bash scripts/wine-prefix.sh

for bench in build/bench/tests/bench/bench_*; do
  echo "== $(basename "$bench") (native, release)"
  "$bench"
done
for bench in build/bench-win/tests/bench/win_bench_*.exe; do
  echo "== $(basename "$bench" .exe) (under Wine, release)"
  # netapi32 beside a benchmark (the tests' stand-in for a domain) before Wine's own.
  WINEDLLOVERRIDES=netapi32=n,b bash scripts/with-display.sh bash scripts/wine-run.sh "$bench" "${BENCH_PAIRS:-7}"
done
bash scripts/bench-nfsctl.sh
echo "== printing (under Wine, into a private CUPS queue)"
bash scripts/bench-printing.sh
