#!/usr/bin/env bash
# Draws the program's icon resources/skylister.svg as the PNG sizes a desktop's icon theme looks
# for, into resources/hicolor/SIZExSIZE/apps/skylister.png; the package installs them under
# share/icons/hicolor. Run it after changing the SVG and commit the PNGs (rsvg-convert comes with
# librsvg2-bin, which it installs when missing).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if ! command -v rsvg-convert >/dev/null; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends librsvg2-bin
fi
for size in 16 22 24 32 48 64 128 256; do
    folder="$root/resources/hicolor/${size}x${size}/apps"
    mkdir -p "$folder"
    rsvg-convert --width "$size" --height "$size" --output "$folder/skylister.png" \
        "$root/resources/skylister.svg"
done
