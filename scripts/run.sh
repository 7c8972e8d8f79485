#!/usr/bin/env bash
# Installs what is missing, builds the project and runs it: compiles every example channel list with
# the command-line tool (in a copy under build/examples-out) and shows what it wrote.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh" "$root/build"

cli="$root/build/tools/skylister-cli"
out="$root/build/examples-out"
rm -rf "$out"
mkdir -p "$out"
for list in "$root"/examples/*.txt; do
    name=$(basename "$list" .txt)
    cp "$list" "$out/$name.txt"
    echo "== $name.txt"
    "$cli" check "$out/$name.txt"
    echo "   the list is valid"
    "$cli" compile "$out/$name.txt" --mode preinstalled
    ls -l "$out/$name".hex "$out/$name".bin | sed 's/^/   /'
    echo "   first lines of $name.hex:"
    head -n 3 "$out/$name.hex" | sed 's/^/     /'
done
