#!/usr/bin/env bash
# Builds and runs every benchmark; each prints its figures. Nothing is asserted.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
jobs=$(nproc)
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native -j"$jobs" >/dev/null
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/win -j"$jobs" >/dev/null
bash scripts/wine-prefix.sh

for bench in build/native/tests/bench/bench_*; do
  [ -x "$bench" ] || continue
  echo "== $(basename "$bench") (native, with sanitizers: compare ratios, not absolute times)"
  "$bench"
done
for bench in build/win/tests/bench/win_bench_*.exe; do
  [ -f "$bench" ] || continue
  echo "== $(basename "$bench" .exe) (under Wine)"
  bash scripts/with-display.sh bash scripts/wine-run.sh "$bench"
done
echo "== printing (under Wine, into a private CUPS queue)"
bash scripts/bench-printing.sh
