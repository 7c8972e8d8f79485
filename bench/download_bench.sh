#!/usr/bin/env bash
# Times a download of the largest image (skylister-listgen, compiled pre-installed with --sat40)
# to stb-sim on a pseudo-terminal, from the main window (offscreen) and from skylister-cli, run by
# turns, and prints the medians and the window's share over the command-line tool.
# Usage: bench/download_bench.sh [BUILD]   (RUNS=7 by default)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-"$root/build"}
runs=${RUNS:-7}
work=$(mktemp -d)
sim=""
cleanup() {
    [ -n "$sim" ] && kill "$sim" 2>/dev/null && wait "$sim" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

"$build/tools/skylister-listgen" "$work/max.txt" >/dev/null
"$build/tools/skylister-cli" compile "$work/max.txt" --mode preinstalled --sat40 >/dev/null 2>&1
"$build/tools/stb-sim" --save-image "$work/received.bin" >"$work/device" &
sim=$!
for _ in $(seq 100); do [ -s "$work/device" ] && break; sleep 0.05; done
device=$(head -n 1 "$work/device")
echo "image: $(stat -c %s "$work/max.bin") bytes; $runs downloads each, by turns"

now() { date +%s.%N; }
: >"$work/cli"
: >"$work/window"
for _ in $(seq "$runs"); do
    start=$(now)
    "$build/tools/skylister-cli" download "$work/max.bin" --device "$device" >/dev/null 2>&1
    end=$(now)
    echo "$end - $start" | bc -l >>"$work/cli"
    cmp -s "$work/max.bin" "$work/received.bin" || { echo "cli: image not received whole" >&2; exit 1; }
    rm -f "$work/received.bin"
    QT_QPA_PLATFORM=offscreen "$build/bench/download_window" "$work/max.bin" "$device" 1 \
        >>"$work/window" 2>"$work/window.err" || { cat "$work/window.err" >&2; exit 1; }
    cmp -s "$work/max.bin" "$work/received.bin" || { echo "window: image not received whole" >&2; exit 1; }
    rm -f "$work/received.bin"
done
# The same comparison inside one process, by turns: the core's download alone against the
# window's command, without the process starts.
QT_QPA_PLATFORM=offscreen "$build/bench/download_window" "$work/max.bin" "$device" "$runs" \
    --beside-core >"$work/pairs" 2>"$work/window.err" || { cat "$work/window.err" >&2; exit 1; }
cut -d' ' -f1 "$work/pairs" >"$work/core"
cut -d' ' -f2 "$work/pairs" >"$work/window2"
minimum() { sort -n "$1" | head -n 1; }
median() { sort -n "$1" | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
cli=$(median "$work/cli")
window=$(median "$work/window")
printf "skylister-cli download (process, median): %.3f s   [%s]\n" "$cli" "$(tr '\n' ' ' <"$work/cli")"
printf "window Download Binary File (median):     %.3f s   [%s]\n" "$window" "$(tr '\n' ' ' <"$work/window")"
printf "window / cli, medians: %.4f  (%+.2f %%)\n" "$(echo "$window / $cli" | bc -l)" \
    "$(echo "($window / $cli - 1) * 100" | bc -l)"
cmin=$(minimum "$work/cli")
wmin=$(minimum "$work/window")
printf "window / cli, fastest: %.4f  (%+.2f %%)\n" "$(echo "$wmin / $cmin" | bc -l)" \
    "$(echo "($wmin / $cmin - 1) * 100" | bc -l)"
core=$(median "$work/core")
window2=$(median "$work/window2")
printf "in one process: core alone %.3f s, window %.3f s (medians)\n" "$core" "$window2"
printf "window / core, medians: %.4f  (%+.2f %%)\n" "$(echo "$window2 / $core" | bc -l)" \
    "$(echo "($window2 / $core - 1) * 100" | bc -l)"
printf "window / core, fastest: %.4f  (%+.2f %%)\n" \
    "$(echo "$(minimum "$work/window2") / $(minimum "$work/core")" | bc -l)" \
    "$(echo "($(minimum "$work/window2") / $(minimum "$work/core") - 1) * 100" | bc -l)"
