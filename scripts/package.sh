#!/usr/bin/env bash
# Builds the Debian package skylister_VERSION_ARCH.deb with CPack's DEB generator:
#     scripts/package.sh [FOLDER]
# installs what is missing and builds the project in build/ (scripts/setup.sh), then packs it into
# FOLDER (build/ unless given) and prints the package's path. Install it with
#     sudo apt install ./build/skylister_*.deb
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"
"$root/scripts/setup.sh" "$build"

out=${1:-"$build"}
mkdir -p "$out"
out=$(cd "$out" && pwd)
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log") || {
    cat "$out/cpack.log" >&2
    exit 1
}
# CPack writes the package's path on its last line: "... package: PATH generated."
sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' "$out/cpack.log"
