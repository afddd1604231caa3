# Sourced by the benchmark scripts: figures of whole commands, taken from outside.

# The median of numbers, one a line.
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# median_ms RUNS COMMAND...: the median wall milliseconds of RUNS runs, output dropped.
median_ms() {
  local runs=$1 start
  shift
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    echo $((($(date +%s%N) - start) / 1000000))
  done | median
}

# median_peak_kib RUNS COMMAND...: the median over RUNS runs of the peak memory
# (KiB) of the largest single process that the command waited for.
median_peak_kib() {
  local runs=$1 out
  shift
  out=$(mktemp)
  for _ in $(seq "$runs"); do
    /usr/bin/time -f %M -o "$out" "$@" >/dev/null 2>&1 || true
    tail -n 1 "$out"
  done | median
  rm -f "$out"
}
