#!/usr/bin/env bash
# Times the command-line tool on the largest channel list, side by side with `wc -w` on the same
# file, and prints each as a ratio to `wc -w` (best of several runs). Usage: bench/core_bench.sh [BUILD]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-"$root/build"}
cli="$build/tools/skylister-cli"
runs=${RUNS:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/tools/skylister-listgen" "$work/max.txt"
cp "$work/max.txt" "$work/pristine.txt"
echo "list: $(wc -l <"$work/max.txt") lines, $(wc -c <"$work/max.txt") bytes"

# Best wall time of $runs runs, in milliseconds.
best_ms() {
    local best=""
    for _ in $(seq "$runs"); do
        cp "$work/pristine.txt" "$work/max.txt"
        local start end
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
        end=$(date +%s%N)
        local ms=$(((end - start) / 1000))
        if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
    done
    echo "$best"
}

base=$(best_ms wc -w "$work/max.txt")
printf '%-28s %9s us\n' "wc -w" "$base"
report() {
    local label=$1 target=$2
    shift 2
    local t
    t=$(best_ms "$@")
    awk -v l="$label" -v t="$t" -v b="$base" -v g="$target" \
        'BEGIN { printf "%-28s %9d us  %5.2fx wc -w  (target %s)\n", l, t, t / b, g }'
}
report "check" "<= 1x" "$cli" check "$work/max.txt" --sat40
report "compile basic + convert" "<= 3x" "$cli" compile "$work/max.txt" --mode basic --sat40
report "compile preinstalled" "-" "$cli" compile "$work/max.txt" --mode preinstalled --sat40
report "format (load + save)" "<= 2x" "$cli" format "$work/max.txt" --sat40

peak=$(/usr/bin/time -f '%M' "$cli" format "$work/max.txt" --sat40 2>&1 >/dev/null | tail -n 1)
echo "format peak RSS: ${peak} KiB"
"$build/bench/token_memory" "$work/max.txt"
