#!/usr/bin/env bash
# Installs what is missing, builds the project, checks the sources' format, and runs every test:
# once in a normal build and once in a build with AddressSanitizer and UndefinedBehaviorSanitizer,
# the window tests included (Qt runs offscreen, without a display; LeakSanitizer stays on and finds
# nothing to report).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)

"$root/scripts/setup.sh" "$root/build" -DSKYLISTER_WERROR=ON

# Every source is formatted as the root .clang-format says.
(cd "$root" && find src tools tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run --Werror)
(cd "$root/build" && ctest --output-on-failure -j "$jobs")

"$root/scripts/setup.sh" "$root/build-sanitize" -DSKYLISTER_SANITIZE=ON -DSKYLISTER_WERROR=ON
(cd "$root/build-sanitize" && ctest --output-on-failure -j "$jobs")
