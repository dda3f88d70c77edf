#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/) with clang into build-fuzz/ (or $ARBOVANE_FUZZ_BUILD_DIR)
# and runs one target, or all of them one after the other, for the given seconds each.
#   scripts/fuzz.sh settings 600     one target for ten minutes
#   scripts/fuzz.sh all 25           every target for 25 seconds (what CI runs)
# Targets: settings import selection paths pattern job. The committed seeds in fuzz/corpus/<target>/
# are only read; what the run learns goes to build-fuzz/corpus/<target>/, and an input that fails
# is kept in build-fuzz/artifacts/ and ends the script with an error.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ARBOVANE_FUZZ_BUILD_DIR:-$root/build-fuzz}
targets=(settings import selection paths pattern job)
which=${1:-all}
seconds=${2:-60}

if [ "$which" = all ]; then
  selected=("${targets[@]}")
elif printf '%s\n' "${targets[@]}" | grep -qx "$which"; then
  selected=("$which")
else
  echo "unknown target '$which'; one of: all ${targets[*]}" >&2
  exit 2
fi

"$root/scripts/deps.sh"
# clang and its fuzzer runtime, from Debian, when missing.
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' >"$probe/p.cpp"
if ! clang++ -fsanitize=fuzzer "$probe/p.cpp" -o "$probe/p" 2>/dev/null; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y --no-install-recommends clang libclang-rt-dev
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DARBOVANE_BUILD_GUI=OFF -DARBOVANE_BUILD_TESTS=OFF -DARBOVANE_BUILD_FUZZERS=ON "${launcher[@]}" \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${selected[@]/#/fuzz_}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
mkdir -p "$build/artifacts"
status=0
passed=0
failed=0
for target in "${selected[@]}"; do
  work="$build/corpus/$target"
  mkdir -p "$work"
  echo "fuzz_$target: $seconds s"
  if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len=65536 -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
      "$work" "$root/fuzz/corpus/$target" >"$build/fuzz_$target.log" 2>&1; then
    tail -n 60 "$build/fuzz_$target.log"
    echo "fuzz_$target failed; the input is in $build/artifacts/" >&2
    status=1
    failed=$((failed + 1))
  else
    grep -E '^stat::number_of_executed_units' "$build/fuzz_$target.log" || true
    passed=$((passed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
exit $status
