#!/usr/bin/env bash
# Installs what is missing, builds the project and starts the desktop program Skylister:
#     scripts/run.sh [LIST.txt]
#     scripts/run.sh --demo
# With a channel list named, the program starts with that list open. Without a display (no
# DISPLAY or WAYLAND_DISPLAY, and no QT_QPA_PLATFORM chosen), it says so and exits with status 1.
#
# --demo tries the whole road without a receiver: the simulated receiver stb-sim runs on a
# pseudo-terminal, and the program starts with settings of the demo's own (the user's are not
# touched) in which COM1 is that device and the remembered folder is a fresh copy of examples/.
# stb-sim stops when the program closes.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

demo=0
if [ "${1:-}" = "--demo" ]; then
    demo=1
    shift
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "run.sh: no display found (DISPLAY and WAYLAND_DISPLAY are not set): start Skylister from a desktop session" >&2
    exit 1
fi
if [ $# -gt $((1 - demo)) ]; then
    echo "usage: scripts/run.sh [LIST.txt] | scripts/run.sh --demo" >&2
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

build="$root/build"
"$root/scripts/setup.sh" "$build"
if [ $demo -eq 0 ]; then
    exec "$build/src/app/skylister" "${list[@]}"
fi

# The demo: a folder of its own with the examples, the receiver's list and the settings.
work=$(mktemp -d "${TMPDIR:-/tmp}/skylister-demo.XXXXXX")
cp -r "$root/examples" "$work/examples"
cp "$root/examples/channels.txt" "$work/receiver-list.txt"
"$build/tools/stb-sim" --dump "$work/receiver-list.txt" --save-image "$work/received.bin" \
    >"$work/stb-sim.out" 2>"$work/stb-sim.err" &
sim=$!
stop_sim() {
    kill "$sim" 2>/dev/null || true
    wait "$sim" 2>/dev/null || true
}
trap stop_sim EXIT
for _ in $(seq 100); do
    [ -s "$work/stb-sim.out" ] && break
    sleep 0.05
done
device=$(head -n 1 "$work/stb-sim.out")
if [ -z "$device" ]; then
    echo "run.sh: stb-sim did not start: $(cat "$work/stb-sim.err")" >&2
    exit 1
fi

mkdir -p "$work/config/Orvel"
cat >"$work/config/Orvel/Skylister.conf" <<EOF
[CommPort%20Devices]
COM1=$device

[CommPort%20Num]
Number=1

[Skylister]
RecentFolderPath=$work/examples
EOF

cat <<EOF
Skylister demo: the simulated receiver stb-sim runs on $device, which is COM1.
  1. Open channels.txt (the Open dialog starts in $work/examples) and edit it.
  2. Press "Compile+Download Current CH. List" and answer Yes: the message window shows the
     download; stb-sim keeps what it received in $work/received.bin.
  3. Press "Upload" and name the received list.
After an upload the receiver offers no download until it is switched off and on:
  kill -USR1 $sim
The demo's settings and files stay in $work; stb-sim stops when Skylister closes.
EOF
status=0
XDG_CONFIG_HOME="$work/config" "$build/src/app/skylister" || status=$?
exit $status
