#!/usr/bin/env bash
# Builds everything and runs every test (headless).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
export QT_QPA_PLATFORM=offscreen

"$root/scripts/build.sh" "$root/build"
(cd "$root/build" && ctest --output-on-failure -j2)
