#!/usr/bin/env bash
# Figures for printing, timed from outside with farm-bench: a 100 MB job printed
# raw by the console (started with the job waiting in its spool directory, timed
# until the queue holds all of it) against `lp -o raw` of the same file into the
# same queue; and the console's peak memory with a 1 MB and a 100 MB job, which
# must not grow with the job. The queue is a private CUPS scheduler's
# (build/bench/cups), never the machine's. Nothing is asserted.
#   bench-printing.sh             builds, sets up and prints the figures
#   bench-printing.sh console|lp SIZE   one timed print (what farm-bench runs)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-env.sh"
bench=$root/build/bench
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
esac

cd "$root"
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/win -j"$(nproc)" --target nfsadmin >/dev/null
bash scripts/wine-prefix.sh
"$WINESERVER" -k 2>/dev/null || true
rm -rf "$bench"
mkdir -p "$WINEPREFIX" "$spool"
cp -a "$wine_template/." "$WINEPREFIX/"
cp build/win/app/nfsadmin.exe "$WINEPREFIX/drive_c/nfsbench/"
printf 'bench,wineps.drv,nfs-bench,CUPS:nfs-bench,\r\n' >"$WINEPREFIX/drive_c/nfsbench/printcap"
printf '[norvo]\r\ninstalldir=C:\\nfsbench\r\n[PCNFSD]\r\nbanner=0\r\n' >"$WINEPREFIX/drive_c/windows/norvo.ini"
head -c 1M /dev/urandom >"$bench/job-1M"
head -c 100M /dev/urandom >"$bench/job-100M"
bash scripts/cups-rig.sh start "$bench/cups" nfs-bench >/dev/null
trap 'bash scripts/cups-rig.sh stop "$bench/cups"; "$WINESERVER" -k 2>/dev/null || true' EXIT
# A warm prefix, so the figures are the console's and not Wine's first start.
"$WINESERVER" -p
"$WINE" wineboot </dev/null >/dev/null 2>&1

run() { bash scripts/with-display.sh farm-bench "$@"; }
echo "== a 100 MB raw job: the console (A) against lp -o raw (B), into the same queue"
run -n 3 --timeout 900 --vs "bash $0 lp 100M" -- bash "$0" console 100M
for size in 1M 100M; do
  echo "== the console printing a $size job: its peak memory"
  run -n 3 --timeout 900 -- bash "$0" console "$size"
done
