#!/usr/bin/env bash
# Runs one Windows program under Wine in a throwaway copy of the template prefix:
# the ctest emulator of the Windows tests. Its exit code is the program's.
set -uo pipefail
source "$(dirname "$0")/wine-env.sh"
[ -f "$wine_template/.ready" ] || bash "$(dirname "$0")/wine-prefix.sh" || exit 1

export WINEPREFIX
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/nfs-wine.XXXXXX")
cleanup() { "$WINESERVER" -k 2>/dev/null; rm -rf "$WINEPREFIX"; }
trap cleanup EXIT
cp -a "$wine_template/." "$WINEPREFIX/"
# Extra fixed drives for tests: each letter of WINE_EXTRA_DRIVES (say "ef")
# becomes an empty folder of the prefix mapped as that drive; the test fills it.
for letter in $(grep -o '[a-z]' <<<"${WINE_EXTRA_DRIVES:-}"); do
  mkdir -p "$WINEPREFIX/drive_$letter"
  ln -s "../drive_$letter" "$WINEPREFIX/dosdevices/$letter:"
done
# Start the prefix's services first, away from our output: they outlive the
# first process and would hold its pipes open.
"$WINESERVER" -p 5
"$WINE" wineboot </dev/null >/dev/null 2>&1
"$WINE" "$@"
