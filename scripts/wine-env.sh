# Sourced by the scripts that run Windows programs: where the project's Wine lives.
# The template prefix is made once per build tree and copied for each test program.
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=win64
# WinHelpA on a missing help file would open a blocking question in winhlp32;
# a test's own overrides come after.
export WINEDLLOVERRIDES="winhlp32.exe=d${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
wine_template=${WINE_TEMPLATE:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/wine/template}
