#!/usr/bin/env bash
# Builds the console and runs it on the demo installation (demo/): an install
# directory C:\Norvo\NFS with a dozen exports, a mount list and locks, the
# registry values and a hosts file, in a Wine prefix of its own
# (build/demo/prefix, made anew each run).
# With a display the window opens there; without one the console runs on a
# virtual display and a screenshot is written to build/demo/main-window.png.
# SCREENSHOT=path takes a screenshot (there) even with a display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
cmake --build build/win -j"$(nproc)" --target nfsadmin hostedit >/dev/null
bash scripts/wine-prefix.sh
source scripts/wine-env.sh

export WINEPREFIX=$root/build/demo/prefix
"$WINESERVER" -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
cp -a "$wine_template/." "$WINEPREFIX/"
install_dir=$WINEPREFIX/drive_c/Norvo/NFS
mkdir -p "$install_dir"
cp demo/exports "$install_dir/exports"
# What the NFS service would report: a few mounted clients and the locks they hold.
cp demo/mountd.list demo/Lock.NLM "$install_dir/"
cp build/win/app/nfsadmin.exe "$install_dir/"
cp build/win/tools/hostedit/hostedit.exe "$install_dir/"
cp demo/norvo.ini "$WINEPREFIX/drive_c/windows/norvo.ini"
cp demo/hosts "$WINEPREFIX/drive_c/windows/system32/drivers/etc/hosts"
for dir in public users/shared users/pub/docs projects/build-farm software/installers inetpub/ftproot; do
  mkdir -p "$WINEPREFIX/drive_c/$dir"
done

run_console() {
  "$WINESERVER" -p 5
  "$WINE" wineboot </dev/null >/dev/null 2>&1
  "$WINE" regedit /s 'Z:'"${root//\//\\}"'\demo\registry.reg' </dev/null >/dev/null 2>&1
  if [ -n "${SCREENSHOT:-}" ]; then
    "$WINE" 'C:\Norvo\NFS\nfsadmin.exe' &
    local console=$!
    sleep "${SCREENSHOT_DELAY:-4}"
    # The window sits on the empty (black) root window: keep just the window.
    import -window root png:- | convert - -trim +repage "$SCREENSHOT"
    echo "Screenshot of the main window: $SCREENSHOT"
    if [ -n "${SCREENSHOT_ONLY:-}" ]; then kill $console 2>/dev/null || true; "$WINESERVER" -k || true; fi
    wait $console 2>/dev/null || true
  else
    "$WINE" 'C:\Norvo\NFS\nfsadmin.exe'
  fi
}
export -f run_console
export WINE WINESERVER root

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  run_console
else
  export SCREENSHOT=${SCREENSHOT:-$root/build/demo/main-window.png} SCREENSHOT_ONLY=1
  bash scripts/with-display.sh bash -c run_console
fi
