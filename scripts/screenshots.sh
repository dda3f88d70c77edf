#!/usr/bin/env bash
# Pictures of every tab and every Visual Log window, made offscreen, into build/screenshots (or the
# folder given).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ARBOVANE_BUILD_DIR:-$root/build}
out=${1:-$build/screenshots}

"$root/scripts/build.sh"
cmake --build "$build" --target arbovane_screenshots
QT_QPA_PLATFORM=offscreen "$build/arbovane_screenshots" "$out"
echo "Screenshots are in $out"
