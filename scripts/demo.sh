#!/usr/bin/env bash
# Builds the console and runs it on the demo installation (demo/): an install
# directory C:\Norvo\NFS with a dozen exports, a mount list and locks, the
# registry values, a hosts file and passwd and group files with a few mappings,
# in a Wine prefix of its own (build/demo/prefix, made anew each run).
# With a display the window opens there; without one the console runs on a
# virtual display and screenshots are written to build/demo/main-window.png and
# build/demo/mapping-sheet.png.
# SCREENSHOT=path takes a screenshot (there) even with a display; with it,
# SHEET_SCREENSHOT=path also opens the mapping sheet (Ctrl+M) and takes its picture.
# The exported printer "laser" prints into a CUPS queue of the demo's own
# scheduler (build/demo/cups); the two jobs waiting in the spool directory are
# printed at start-up, and what the queue received is shown at the end, with the
# banner page as build/demo/banner-page.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
cmake --build build/win -j"$(nproc)" --target nfsadmin hostedit nfsctl >/dev/null
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
cp demo/printcap "$install_dir/printcap"
spool=$install_dir/SPOOL/PCNFSD
mkdir -p "$spool"
cp demo/spool/* "$spool/"
# The jobs print oldest first: the meeting notes, then the build report.
touch -d '2026-12-06 09:00' "$spool/cfA017.nfs"
touch -d '2026-12-06 09:05' "$spool/cfA018.nfs"
# What the NFS service would report: a few mounted clients and the locks they hold.
cp demo/mountd.list demo/Lock.NLM "$install_dir/"
cp build/win/app/nfsadmin.exe "$install_dir/"
cp build/win/tools/hostedit/hostedit.exe "$install_dir/"
cp build/win/tools/nfsctl/nfsctl.exe "$install_dir/"
cp demo/norvo.ini "$WINEPREFIX/drive_c/windows/norvo.ini"
cp demo/hosts "$WINEPREFIX/drive_c/windows/system32/drivers/etc/hosts"
cp demo/passwd demo/group "$WINEPREFIX/drive_c/windows/system32/drivers/etc/"
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
    if [ -n "${SHEET_SCREENSHOT:-}" ]; then
      # Ctrl+M as the keyboard sends it, then the sheet alone.
      xdotool search --name '^NFS  Server' windowfocus --sync key ctrl+m
      sleep 2
      # import without a window would wait for a click.
      local sheet
      sheet=$(xdotool search --name '^Uid&GID Mapping$' | head -n 1)
      if [ -n "$sheet" ]; then
        import -window "$sheet" "$SHEET_SCREENSHOT"
        echo "Screenshot of the mapping sheet: $SHEET_SCREENSHOT"
      else
        echo "The mapping sheet did not open: no screenshot of it" >&2
      fi
    fi
    if [ -n "${SCREENSHOT_ONLY:-}" ]; then kill $console 2>/dev/null || true; "$WINESERVER" -k || true; fi
    wait $console 2>/dev/null || true
  else
    "$WINE" 'C:\Norvo\NFS\nfsadmin.exe'
  fi
}
export -f run_console
export WINE WINESERVER root

cups=$root/build/demo/cups
bash scripts/cups-rig.sh start "$cups" demo-laser >/dev/null
trap 'bash scripts/cups-rig.sh stop "$cups"' EXIT
CUPS_SERVER=$(bash scripts/cups-rig.sh socket "$cups")
export CUPS_SERVER

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  run_console
else
  export SCREENSHOT=${SCREENSHOT:-$root/build/demo/main-window.png} SCREENSHOT_ONLY=1
  export SHEET_SCREENSHOT=${SHEET_SCREENSHOT:-$root/build/demo/mapping-sheet.png}
  bash scripts/with-display.sh bash -c run_console
fi

# What the queue received: each job's bytes (a PostScript banner as its text),
# and the banner page rendered.
out=$cups/out/demo-laser
sleep 1
echo "Jobs received by the demo queue demo-laser ($out):"
banner=""
for job in $(ls "$out" | grep -E '^[0-9]+$' | sort -n); do
  if grep -q -m1 'Wine PostScript Driver' "$out/$job"; then
    echo "== job $job: banner page, as text"
    sed 's/\xc2\xa0/ /g; s/\xc2\xad/-/g' "$out/$job.txt" | grep -v '^ *$'
    [ -n "$banner" ] || banner=$out/$job
  else
    echo "== job $job: raw document, $(stat -c %s "$out/$job") bytes, as sent"
    head -c 400 "$out/$job" | tr '\r\f' '  '
    echo
  fi
done
if [ -n "$banner" ]; then
  gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pnggray -r50 -dFirstPage=1 -dLastPage=1 \
    -sOutputFile="$root/build/demo/banner-page.png" "$banner" >/dev/null
  convert "$root/build/demo/banner-page.png" -trim +repage -bordercolor white -border 16 \
    "$root/build/demo/banner-page.png"
  echo "Banner page of the first job: $root/build/demo/banner-page.png"
fi
