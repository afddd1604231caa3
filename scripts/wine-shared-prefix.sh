#!/usr/bin/env bash
# "make": a fresh copy of the template prefix at $WINE_SHARED_PREFIX, with the
# extra drives of $WINE_EXTRA_DRIVES, for the test cases of one program to share
# (scripts/wine-run.sh runs in it). "remove": stops its server and deletes it.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
export WINEPREFIX=$WINE_SHARED_PREFIX
[ -d "$WINEPREFIX" ] && { "$WINESERVER" -k 2>/dev/null || true; rm -rf "$WINEPREFIX"; }
[ "$1" = remove ] && exit 0
[ -f "$wine_template/.ready" ] || bash "$(dirname "$0")/wine-prefix.sh"
mkdir -p "$WINEPREFIX"
cp -a "$wine_template/." "$WINEPREFIX/"
# Extra fixed drives for tests: each letter (say "ef") becomes an empty folder of
# the prefix mapped as that drive; the test fills it.
for letter in $(grep -o '[a-z]' <<<"${WINE_EXTRA_DRIVES:-}"); do
  mkdir -p "$WINEPREFIX/drive_$letter"
  ln -s "../drive_$letter" "$WINEPREFIX/dosdevices/$letter:"
done
