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
# Start the prefix's services first, away from our output: they outlive the
# first process and would hold its pipes open.
"$WINESERVER" -p 5
"$WINE" wineboot </dev/null >/dev/null 2>&1
"$WINE" "$@"
