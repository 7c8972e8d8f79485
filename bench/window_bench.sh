#!/usr/bin/env bash
# Times the main window on the largest list beside the editor library's own figures for the same
# operations. Usage: bench/window_bench.sh BUILD (a build with the desktop program).
set -euo pipefail

build=${1:?usage: bench/window_bench.sh BUILD}
list=$(mktemp -d)/largest.txt
trap 'rm -rf "$(dirname "$list")"' EXIT
"$build/tools/skylister-listgen" "$list" >/dev/null
echo "== the editor library alone (editor_bench)"
"$build/bench/editor_bench" "$list"
echo "== the window, offscreen (window_bench)"
QT_QPA_PLATFORM=offscreen "$build/bench/window_bench" "$list"
