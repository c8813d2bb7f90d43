#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, as root. Quick when all is there.
set -euo pipefail
packages=(g++ cmake ninja-build libgtest-dev python3
          g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
          wine wine64 xvfb xdotool x11-apps imagemagick fonts-wqy-microhei fonts-wine)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
