#!/usr/bin/env bash
# Draws the toolbar strips (six 48 x 15 images each) and the icon with ImageMagick.
# The outputs are committed; run this only to change the pictures.
set -euo pipefail
cd "$(dirname "$0")/art"
font=/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf

strip() {  # output, then six labels
  local out=$1; shift
  local cells=()
  for label in "$@"; do
    convert -size 48x15 xc:'#c0c0c0' -font "$font" -pointsize 10 -fill '#000080' \
      -gravity center -annotate +0+0 "$label" "BMP3:cell-$label.bmp"
    cells+=("cell-$label.bmp")
  done
  convert "${cells[@]}" +append -type truecolor "BMP3:$out"
  rm -f "${cells[@]}"
}
strip toolbar-exports.bmp New Edit Delete Queue Printers Help
strip toolbar-server.bmp Mapping Clients Options Hosts About Exit

convert -size 32x32 xc:'#008080' -fill white -font "$font" -pointsize 13 -gravity center \
  -annotate +0+0 NFS \( +clone -resize 16x16 \) -colors 16 nfsadmin.ico
