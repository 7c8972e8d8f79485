#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12 (and clang for the fuzz build), when it is
# missing, and configures and builds the project in build/ (or the folder given as $1, with further
# CMake options after it).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# Xvfb and xdotool run the test of the window titles as an X server holds them; clang-format checks
# the sources' format. dtv-scan-tables brings the satellites' transponder tables that Import
# Transponders reads (/usr/share/dvb/dvb-s); the program works without them. dvb-tools brings
# dvb-format-convert, which a test of Import Channels runs to convert a DVBv5 file to VDR's
# channels.conf, an independent check of both readers. dpkg-dev computes the
# Debian package's dependencies (scripts/package.sh); lintian, appstream and desktop-file-utils
# check the package, its metainfo and its desktop entry in the tests; python3 reads the exported
# CSV files back. shared-mime-info, xdg-utils and libfile-mimeinfo-perl (xdg-mime's reader of the
# MIME database) find the channel list's type in its test. dbus-daemon runs the private bus on
# which a test stands in for logind. adwaita-qt6 brings a dark style the window is tried in.
packages=(build-essential cmake libgtest-dev libgmock-dev time qt6-base-dev libgl-dev libqt6svg6
    libx11-dev xvfb xdotool clang-format dtv-scan-tables dvb-tools dpkg-dev lintian appstream
    desktop-file-utils python3 shared-mime-info xdg-utils libfile-mimeinfo-perl dbus-daemon adwaita-qt6)
# The fuzz build needs clang, which brings libFuzzer along.
case " $* " in *" -DSKYLISTER_FUZZ=ON "*) packages+=(clang) ;; esac

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

build=${1:-"$root/build"}
shift || true
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" -j "$(nproc)"
