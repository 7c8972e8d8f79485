#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# in build-fuzz/ (installing clang when it is missing), then runs each target in turn for SECONDS
# (60 unless given), starting from its seed corpus in tests/fuzz/corpus/TARGET. The inputs it finds
# go to build-fuzz/fuzz/TARGET/corpus; a crash, hang or leak goes to build-fuzz/fuzz/TARGET/findings
# and is minimised there (NAME.min). Exits with 1 when any target found something.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
    echo "usage: scripts/fuzz.sh [SECONDS]" >&2
    exit 2
fi
build="$root/build-fuzz"
"$root/scripts/setup.sh" "$build" -DSKYLISTER_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
    -DSKYLISTER_BUILD_APP=OFF

found=0
summary=()
for target in check roundtrip compile convert; do
    program="$build/tests/fuzz/fuzz_$target"
    work="$build/fuzz/$target"
    mkdir -p "$work/corpus" "$work/findings"
    rm -f "$work/findings/"* "$work/minimize.txt"
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192
             -artifact_prefix="$work/findings/" -print_final_stats=1)
    # The channel-list targets mutate with the words of a list.
    [ "$target" = convert ] || options+=(-dict="$root/tests/fuzz/list.dict")

    echo "== fuzz_$target for $seconds s (log: $work/log.txt)"
    status=0
    "$program" "${options[@]}" "$work/corpus" "$root/tests/fuzz/corpus/$target" \
        >"$work/log.txt" 2>&1 || status=$?

    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log.txt" | tail -n 1)
    coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$work/log.txt" | tail -n 1 || true)
    line="fuzz_$target: ${runs:-?} executions, ${coverage:-no coverage reported}"
    if [ "$status" -ne 0 ]; then
        found=1
        line="$line, FOUND (exit $status)"
        for input in "$work/findings/"*; do
            [ -f "$input" ] || continue
            "$program" -minimize_crash=1 -max_total_time=60 -exact_artifact_path="$input.min" \
                "$input" >>"$work/minimize.txt" 2>&1 || true
            line="$line"$'\n'"    input: $input"
            [ -f "$input.min" ] && line="$line"$'\n'"    minimised: $input.min"
        done
    fi
    summary+=("$line")
done

echo
echo "Inputs found: $build/fuzz/TARGET/corpus; findings: $build/fuzz/TARGET/findings"
printf '%s\n' "${summary[@]}"
if [ "$found" -ne 0 ]; then
    echo "Replay a finding with build-fuzz/tests/fuzz/fuzz_TARGET FILE; once fixed, add it to"
    echo "tests/fuzz/corpus/TARGET so that ctest keeps replaying it."
fi
exit "$found"
