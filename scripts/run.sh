#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program in the current directory (the folder
# where it keeps default.set on a first start).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ARBOVANE_BUILD_DIR:-$root/build}

"$root/scripts/build.sh"
exec "$build/arbovane" "$@"
