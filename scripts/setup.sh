#!/usr/bin/env bash
# Installs, from Debian's packages only, what building and testing the console needs.
# Idempotent: returns in about a second when everything is already there.
set -euo pipefail

packages=(
  cmake make g++ clang libclang-rt-14-dev googletest libcli11-dev nlohmann-json3-dev
  g++-mingw-w64-x86-64-posix
  wine wine64 fonts-wine fonts-liberation libcups2
  libxrender1 libxrandr2 libxi6 libxcursor1 libxfixes3 libxinerama1 libxcomposite1 libgnutls30
  xvfb xauth x11-utils imagemagick xdotool
  cups cups-client cups-bsd ghostscript gcovr
  wixl ansible
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
