#!/usr/bin/env bash
# nfsctl's reading verbs on big files, under Wine (release build/bench-win):
# exports list, check and locks list on installations of 10,000 and 100,000
# lines (exports, passwd, group, Lock.NLM, and a mountd.list of one line per 20
# locks). Prints the median wall time of each verb at each size, less that of
# the verb on empty files (Wine's and nfsctl's start), and the 100k/10k ratio of
# what is left: about 10 when the verb is linear. Nothing is asserted.
# BENCH_RUNS sets the runs of each verb at each size (default 7).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-env.sh"
source "$root/scripts/bench-timing.sh"
bench=$root/build/bench-win
export WINEPREFIX=$bench/nfsctl-prefix
cd "$root"
bash scripts/setup.sh
cmake -S . -B build/bench-win -DNFS_BENCH=ON -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench-win -j"$(nproc)" --target nfsctl >/dev/null
bash scripts/wine-prefix.sh
rm -rf "$WINEPREFIX"
cp -a "$wine_template" "$WINEPREFIX"
cp build/bench-win/tools/nfsctl/nfsctl.exe "$WINEPREFIX/drive_c/"
trap '"$WINESERVER" -k 2>/dev/null || true' EXIT

# One installation of n lines at C:\nfs<n>.
make_installation() {
  local n=$1 dir=$WINEPREFIX/drive_c/nfs$1
  mkdir -p "$dir/drivers/etc" "$dir/SPOOL/PCNFSD"
  : >"$dir/printcap"
  N=$n DIR=$dir perl -e '
    my ($n, $dir) = ($ENV{N}, $ENV{DIR});
    sub out { open(my $f, ">:raw", "$dir/$_[0]") or die; print $f $_[1]; }
    out("exports", join("", map { "c:\\export\\dir$_ host" . $_ % 97 . " host" . $_ % 89 . ";1 host" . $_ % 97 . "\r\n" } 0 .. $n - 1));
    out("drivers/etc/passwd", join("", map { "user$_\::" . (1000 + $_) . ":::: \r\n" } 0 .. $n - 1));
    out("drivers/etc/group", join("", map { "group$_\::" . (1000 + $_) . ":::: \r\n" } 0 .. $n - 1));
    my $clients = int($n / 20);
    out("mountd.list", join("", map { "pc$_ /export/home\r\n" } 0 .. $clients - 1));
    my $counted = sub { pack("l<", length $_[0]) . $_[0] };
    out("Lock.NLM", join("", map {
      my ($host, $file) = ("pc" . $_ % ($clients || 1), "/export/home/user$_/notes.txt");
      $counted->($host) . $counted->($file) . $counted->(substr("$host\0$file" . "\0" x 20, 0, 20)) .
        pack("l< q< q<", $_, $_ * 4096, 4096) } 0 .. $n - 1));'
}

# nfsctl on installation n: nfsctl n ARGUMENTS...
nfsctl() { "$WINE" 'C:\nfsctl.exe' --install-dir "C:\\nfs$1" --system-dir "C:\\nfs$1" "${@:2}"; }
runs=${BENCH_RUNS:-7}

for n in 0 10000 100000; do make_installation "$n"; done
"$WINESERVER" -p
"$WINE" wineboot </dev/null >/dev/null 2>&1
echo "== nfsctl on big files (median ms of $runs runs; less the start on empty files)"
for verb in "exports list" "check" "locks list"; do
  # shellcheck disable=SC2086 # the verb's words are its arguments
  base=$(median_ms "$runs" nfsctl 0 $verb)
  # shellcheck disable=SC2086
  small=$(($(median_ms "$runs" nfsctl 10000 $verb) - base))
  # shellcheck disable=SC2086
  big=$(($(median_ms "$runs" nfsctl 100000 $verb) - base))
  awk -v verb="$verb" -v base="$base" -v small="$small" -v big="$big" 'BEGIN {
    printf "%-14s start %6d  10k %8d  100k %8d  ratio %6.1f\n", verb, base, small, big, (small > 0 ? big / small : 0) }'
done
