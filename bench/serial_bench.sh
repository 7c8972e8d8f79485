#!/usr/bin/env bash
# Downloads the pre-installed image of the largest channel list to stb-sim over a pseudo-terminal
# and reports the program's own time per packet as a share of the packet's time on a 115200 bit/s
# line. Usage: bench/serial_bench.sh [BUILD]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-"$root/build"}
work=$(mktemp -d)
sim=""
cleanup() {
    [ -n "$sim" ] && kill "$sim" 2>/dev/null && wait "$sim" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

"$build/tools/skylister-listgen" "$work/max.txt"
"$build/tools/skylister-cli" compile "$work/max.txt" --mode preinstalled --sat40 >/dev/null 2>&1

"$build/tools/stb-sim" >"$work/device" &
sim=$!
for _ in $(seq 100); do [ -s "$work/device" ] && break; sleep 0.05; done
"$build/bench/serial_download" "$work/max.bin" "$(head -n 1 "$work/device")" "${RUNS:-5}"
