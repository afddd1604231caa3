#!/usr/bin/env bash
# Figures for printing, timed from outside: a 100 MB job printed raw by the
# console (started with the job waiting in its spool directory, timed until the
# queue holds all of it), by `lp -o raw`, and by a bare spooler loop under Wine
# (raw_print, in the console's 1024-byte blocks and in 64 KiB ones), all into the
# same queue. Each is timed with a 1-byte job too: that is its start (for the
# console, its start-up and its start-up printing), and the job's bytes per
# second are 100 MB over the time beyond it. Then the console's peak memory with
# a 1 MB and a 100 MB job, which must not grow with the job. The queue is a
# private CUPS scheduler's (build/bench-printing/cups), never the machine's. Nothing is
# asserted. BENCH_RUNS sets the runs of each (default 3).
#   bench-printing.sh                       builds, sets up and prints the figures
#   bench-printing.sh console|lp SIZE       one print
#   bench-printing.sh floor SIZE BLOCK      one print by the bare spooler loop
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-env.sh"
# Its own folder: it is made anew each time, and build/bench is the readers' build.
bench=$root/build/bench-printing
export WINEPREFIX=$bench/prefix CUPS_SERVER
CUPS_SERVER=$(bash "$root/scripts/cups-rig.sh" socket "$bench/cups")
out=$bench/cups/out/nfs-bench
spool=$WINEPREFIX/drive_c/nfsbench/SPOOL/PCNFSD

jobs_in_queue() { find "$out" -maxdepth 1 -name '[0-9]*' ! -name '*.txt' | wc -l; }

# Waits until the queue holds count jobs, the newest of them size bytes long.
wait_for_job() {
  local count=$1 size=$2 newest
  for _ in $(seq 6000); do
    if [ "$(jobs_in_queue)" -ge "$count" ]; then
      newest=$(ls "$out" | grep -E '^[0-9]+$' | sort -n | tail -n 1)
      [ "$(stat -c %s "$out/$newest")" -eq "$size" ] && return 0
    fi
    sleep 0.05
  done
  echo "bench-printing: the job did not arrive" >&2
  return 1
}

case ${1:-} in
  console)
    data=$bench/job-$2
    before=$(jobs_in_queue)
    ln -f "$data" "$spool/dfB001"
    printf 'dfB001\nbench\nbench\nbench\nb\n1\n' >"$spool/cfB001.nfs"
    "$WINE" 'C:\nfsbench\nfsadmin.exe' &
    console=$!
    # A banner document (empty: the banner setting is 0), then the raw one.
    wait_for_job $((before + 2)) "$(stat -c %s "$data")"
    kill "$console"
    wait "$console" 2>/dev/null || true
    exit 0 ;;
  lp)
    data=$bench/job-$2
    before=$(jobs_in_queue)
    lp -d nfs-bench -o raw "$data" >/dev/null
    wait_for_job $((before + 1)) "$(stat -c %s "$data")"
    exit 0 ;;
  floor)
    data=$bench/job-$2
    before=$(jobs_in_queue)
    "$WINE" 'C:\nfsbench\raw_print.exe' nfs-bench "Z:${data//\//\\}" "$3"
    wait_for_job $((before + 1)) "$(stat -c %s "$data")"
    exit 0 ;;
esac

cd "$root"
# One display for every print (a window-less Wine has none to show).
xdpyinfo >/dev/null 2>&1 || exec bash scripts/with-display.sh bash "$0"
cmake -S . -B build/bench-win -DNFS_BENCH=ON -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench-win -j"$(nproc)" --target nfsadmin raw_print >/dev/null
bash scripts/wine-prefix.sh
"$WINESERVER" -k 2>/dev/null || true
rm -rf "$bench"
mkdir -p "$WINEPREFIX" "$spool"
cp -a "$wine_template/." "$WINEPREFIX/"
cp build/bench-win/app/nfsadmin.exe build/bench-win/tests/bench/raw_print.exe "$WINEPREFIX/drive_c/nfsbench/"
printf 'bench,wineps.drv,nfs-bench,CUPS:nfs-bench,\r\n' >"$WINEPREFIX/drive_c/nfsbench/printcap"
printf '[norvo]\r\ninstalldir=C:\\nfsbench\r\n[PCNFSD]\r\nbanner=0\r\n' >"$WINEPREFIX/drive_c/windows/norvo.ini"
head -c 1 /dev/urandom >"$bench/job-1"
head -c 1M /dev/urandom >"$bench/job-1M"
head -c 100M /dev/urandom >"$bench/job-100M"
bash scripts/cups-rig.sh start "$bench/cups" nfs-bench >/dev/null
trap 'bash scripts/cups-rig.sh stop "$bench/cups"; "$WINESERVER" -k 2>/dev/null || true' EXIT
# A warm prefix, so the figures are the console's and not Wine's first start.
"$WINESERVER" -p
"$WINE" wineboot </dev/null >/dev/null 2>&1

source scripts/bench-timing.sh
runs=${BENCH_RUNS:-3}
# Each print of a 1-byte and of the 100 MB job: the start, the whole time, and
# the job's MB/s beyond the start.
job_rate() {
  local what=$1 start whole
  shift
  start=$(median_ms "$runs" bash "$0" "$1" 1 "${@:2}")
  whole=$(median_ms "$runs" bash "$0" "$1" 100M "${@:2}")
  awk -v what="$what" -v start="$start" -v whole="$whole" 'BEGIN {
    rate = whole > start ? 104.8576 * 1000 / (whole - start) : 0
    printf "%-28s start %6d ms  whole %6d ms  job %7.1f MB/s\n", what, start, whole, rate }' | tee -a "$bench/rates"
}
echo "== a 100 MB raw job into one queue (median of $runs runs each)"
: >"$bench/rates"
job_rate "console" console
job_rate "lp -o raw" lp
job_rate "raw_print, 1024-byte blocks" floor 1024
job_rate "raw_print, 64 KiB blocks" floor 65536
awk '{ rate[NR] = $(NF - 1) } END {
  printf "job MB/s: console / lp %.2f, console / raw_print in 1024-byte blocks %.2f, in 64 KiB blocks %.2f\n",
    rate[1] / rate[2], rate[1] / rate[3], rate[1] / rate[4] }' "$bench/rates"
for size in 1M 100M; do
  echo "== the console printing a $size job: its peak memory, $(median_peak_kib "$runs" bash "$0" console "$size") KiB (median of $runs runs)"
done
