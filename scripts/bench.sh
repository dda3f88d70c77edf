#!/usr/bin/env bash
# Builds and runs the benchmarks (never part of the test run); docs/performance.md has the figures.
# Arguments name the benchmarks to run (default: all), e.g. scripts/bench.sh measure_bench.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ARBOVANE_BUILD_DIR:-$root/build}
benches=("$@")
[ ${#benches[@]} -eq 0 ] && benches=(import_bench measure_bench levelcopy_bench visuallog_bench delete_bench copy_bench create_bench responsiveness_bench)

"$root/scripts/build.sh"
for bench in "${benches[@]}"; do
  cmake --build "$build" --target "$bench"
  echo "== $bench"
  QT_QPA_PLATFORM=offscreen "$build/$bench"
done
