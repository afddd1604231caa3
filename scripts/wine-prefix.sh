#!/usr/bin/env bash
# Makes the template Wine prefix (build/wine/template) when it is missing: fonts
# copied in, unmanaged windows (hiding one would otherwise wait two seconds), no
# update at start. Returns at once when the template exists.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
[ -f "$wine_template/.ready" ] && exit 0

rm -rf "$wine_template" "$wine_template.tmp"
mkdir -p "$(dirname "$wine_template")"
export WINEPREFIX=$wine_template.tmp
# No .NET or HTML engine: nothing here needs them, and their installers would ask.
WINEDLLOVERRIDES="mscoree,mshtml=;$WINEDLLOVERRIDES" "$WINE" wineboot -i </dev/null >/dev/null 2>&1
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
reg=$(mktemp --suffix=.reg)
cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="Y"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Courier New"="Liberation Mono"
"Arial"="Liberation Sans"
REG
"$WINE" regedit /s "Z:${reg//\//\\}" </dev/null >/dev/null 2>&1
rm -f "$reg"
"$WINESERVER" -k || true
"$WINESERVER" -w || true
echo disable >"$WINEPREFIX/.update-timestamp"
touch "$WINEPREFIX/.ready"
mv "$WINEPREFIX" "$wine_template"
