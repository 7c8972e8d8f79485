#!/usr/bin/env bash
# Installs what is missing, builds the project and starts the desktop program Skylister:
#     scripts/run.sh [LIST.txt]
# With a channel list named, the program starts with that list open. Without a display (no
# DISPLAY or WAYLAND_DISPLAY, and no QT_QPA_PLATFORM chosen), it says so and exits with status 1.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "run.sh: no display found (DISPLAY and WAYLAND_DISPLAY are not set): start Skylister from a desktop session" >&2
    exit 1
fi
if [ $# -gt 1 ]; then
    echo "usage: scripts/run.sh [LIST.txt]" >&2
    exit 2
fi
list=()
if [ $# -eq 1 ]; then
    if [ ! -f "$1" ]; then
        echo "run.sh: no such file: $1" >&2
        exit 2
    fi
    list=("$(cd "$(dirname "$1")" && pwd)/$(basename "$1")")
fi

"$root/scripts/setup.sh" "$root/build"
exec "$root/build/src/app/skylister" "${list[@]}"
