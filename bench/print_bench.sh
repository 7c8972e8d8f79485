#!/usr/bin/env bash
# Times Export to PDF of the Digital Channel view of the largest list through the main window.
# Usage: bench/print_bench.sh BUILD (a build with the desktop program).
set -euo pipefail

build=${1:?usage: bench/print_bench.sh BUILD}
list=$(mktemp -d)/largest.txt
trap 'rm -rf "$(dirname "$list")"' EXIT
"$build/tools/skylister-listgen" "$list" >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bench/print_bench" "$list"
