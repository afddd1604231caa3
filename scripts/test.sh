#!/usr/bin/env bash
# Builds everything and runs every test: the portable core natively under the
# sanitizers, each fuzz target for a bounded time, and the Windows tests under Wine.
# FUZZ_SECONDS sets the time of each fuzz target (default 20).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)
fuzz_seconds=${FUZZ_SECONDS:-20}

bash scripts/setup.sh

passed=0 failed=0
# Runs ctest in one build tree (through the wrapper command given after it, if
# any) and adds its counts to the totals.
run_ctest() {
  local dir=$1 log status=0
  shift
  log=$(mktemp)
  "$@" ctest --test-dir "$dir" --output-on-failure -j"${ctest_jobs:-$jobs}" 2>&1 | tee "$log" || status=1
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1 || true)
  rm -f "$log"
  if [ -n "$line" ]; then
    local bad total
    bad=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$line")
    passed=$((passed + total - bad)) failed=$((failed + bad))
  else
    failed=$((failed + 1))
  fi
  return $status
}

echo "== native core: build and unit tests (ASan, UBSan)"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native -j"$jobs"
status=0
run_ctest build/native || status=1

echo "== coverage of the core by its unit tests (gcovr, a tree of its own without sanitizers)"
cmake -S . -B build/coverage -DNFS_COVERAGE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/coverage -j"$jobs" --target core_tests >/dev/null
find build/coverage -name '*.gcda' -delete
if (cd build/coverage/tests/core && ./core_tests >/dev/null); then
  # Coverage is a figure, not a test: a gcovr that cannot read the counters says
  # so and the run goes on.
  gcovr -r . build/coverage --exclude 'tests/' --exclude-throw-branches --exclude-unreachable-branches -s |
    grep -E '^(lines|branches):' | paste -sd ';' | sed 's/^/coverage of the core: /; s/;/, /' ||
    echo "coverage: gcovr could not read the counters"
else
  echo "coverage: the unit tests failed in the coverage tree"
fi

echo "== fuzz targets, ${fuzz_seconds} s each"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DNFS_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz -j"$jobs"
for target in build/fuzz/tests/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=build/fuzz/corpus/$name
  mkdir -p "$corpus"
  seeds=tests/fuzz/seeds/${name#fuzz_}
  if "$target" -max_total_time="$fuzz_seconds" -print_final_stats=0 -artifact_prefix=build/fuzz/ "$corpus" $( [ -d "$seeds" ] && echo "$seeds" ) \
      >build/fuzz/$name.log 2>&1; then
    echo "$name: $(grep -Eo 'Done [0-9]+ runs.*' build/fuzz/$name.log | tail -n 1 || echo done)"
    passed=$((passed + 1))
  else
    tail -n 40 build/fuzz/$name.log
    echo "$name: FAILED (log: build/fuzz/$name.log)"
    failed=$((failed + 1)) status=1
  fi
done

echo "== Windows: cross build, then the tests under Wine on a virtual display"
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/win -j"$jobs"
bash scripts/wine-prefix.sh
# The printing tests print into a private CUPS scheduler of the build tree.
bash scripts/cups-rig.sh start build/win/cups nfs-win nfs-other nfs-e2e nfs-bench
trap 'bash scripts/cups-rig.sh stop build/win/cups' EXIT
# One test at a time: the Windows tests share one virtual display, where focus,
# activation and typed keys belong to whichever program's window is in front.
ctest_jobs=1 run_ctest build/win bash scripts/with-display.sh || status=1
bash scripts/cups-rig.sh stop build/win/cups

echo
echo "${passed} passed, ${failed} failed"
exit $status
