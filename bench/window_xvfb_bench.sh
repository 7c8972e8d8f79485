#!/usr/bin/env bash
# Times the main window on the largest list as the user sees it: on an X server (Xvfb) with a
# window manager (openbox), each step up to the window drawn anew on the display.
# Usage: bench/window_xvfb_bench.sh BUILD [DISPLAY] (a build with the desktop program; the
# display number is :16 unless given). Needs Xvfb and openbox (apt-get install xvfb openbox).
set -euo pipefail

build=${1:?usage: bench/window_xvfb_bench.sh BUILD [DISPLAY]}
display=${2:-:16}
for tool in Xvfb openbox; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install xvfb openbox)" >&2; exit 1; }
done
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

"$build/tools/skylister-listgen" "$work/largest.txt" >/dev/null
Xvfb "$display" -screen 0 1600x1200x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do
    DISPLAY=$display xwininfo -root >/dev/null 2>&1 && break
    sleep 0.1
done
DISPLAY=$display openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1
DISPLAY=$display QT_QPA_PLATFORM=xcb "$build/bench/window_paint_bench" "$work/largest.txt"
