#!/usr/bin/env bash
# Fails when a layer's library refers to a symbol that is defined only in a layer above it.
# Arguments: the layers' static libraries, lowest first.
set -euo pipefail

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

libs=("$@")
for i in "${!libs[@]}"; do
    nm --defined-only "${libs[$i]}" 2>/dev/null | awk 'NF == 3 { print $3 }' | sort -u >"$tmp/defined.$i"
    nm --undefined-only "${libs[$i]}" 2>/dev/null | awk '{ print $NF }' | sort -u >"$tmp/undefined.$i"
done

status=0
for i in "${!libs[@]}"; do
    # What this layer and the ones below it define.
    cat "$tmp"/defined.[0-$i] 2>/dev/null | sort -u >"$tmp/own"
    : >"$tmp/above"
    for j in "${!libs[@]}"; do
        [ "$j" -gt "$i" ] && cat "$tmp/defined.$j" >>"$tmp/above"
    done
    sort -u -o "$tmp/above" "$tmp/above"
    upward=$(comm -23 "$tmp/undefined.$i" "$tmp/own" | comm -12 - "$tmp/above")
    if [ -n "$upward" ]; then
        echo "$(basename "${libs[$i]}") uses symbols of a layer above it:"
        echo "$upward" | c++filt | sed 's/^/    /'
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "every layer uses only itself and the layers below it"
exit "$status"
