#!/usr/bin/env bash
# Runs one Windows program under Wine: the ctest emulator of the Windows tests.
# In the prefix $WINE_SHARED_PREFIX when set (made by wine-shared-prefix.sh),
# otherwise in a throwaway copy of the template prefix. Its exit code is the
# program's.
set -uo pipefail
here=$(dirname "$0")
source "$here/wine-env.sh"

export WINEPREFIX
if [ -n "${WINE_SHARED_PREFIX:-}" ]; then
  WINEPREFIX=$WINE_SHARED_PREFIX
else
  WINEPREFIX=$(mktemp -u "${TMPDIR:-/tmp}/nfs-wine.XXXXXX")
  export WINE_SHARED_PREFIX=$WINEPREFIX
  bash "$here/wine-shared-prefix.sh" make || exit 1
  trap 'bash "$here/wine-shared-prefix.sh" remove' EXIT
fi
# Start the server and the prefix's services first, away from our output: they
# outlive this program (the next test of the prefix finds them running) and
# would hold its pipes open.
"$WINESERVER" -p 5 </dev/null >/dev/null 2>&1
"$WINE" wineboot </dev/null >/dev/null 2>&1
"$WINE" "$@"
