#!/usr/bin/env bash
# Cross-builds the core and platform tests for Windows (mingw-w64, no Qt, no ICU) and runs them
# under Wine, headless, in a Wine prefix of its own. Tests that need a feature Windows or Wine
# lacks are listed, each with its reason, in tests/windows-exclusions.txt.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ARBOVANE_WINDOWS_BUILD_DIR:-$root/build-win}
started=$(date +%s)
# shellcheck source=windows-common.sh
source "$root/scripts/windows-common.sh"

step "installing what is missing"
EnsurePackages cmake ninja-build g++-mingw-w64-x86-64-posix googletest wine wine64

step "cross-building the tests"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DARBOVANE_BUILD_GUI=OFF -DARBOVANE_GTEST_SOURCE_DIR=/usr/src/googletest "${launcher[@]}" >/dev/null ||
  fail "cmake could not configure $build"
cmake --build "$build" -j "$(nproc)" || fail "the Windows build failed"
built=$(date +%s)

# A throwaway prefix under the build folder; no display, no add-on installers, no debug output.
step "preparing the Wine prefix"
export WINEPREFIX="$build/wineprefix"
unset DISPLAY WAYLAND_DISPLAY
PrepareWinePrefix

# tests/windows-exclusions.txt: "Suite.Case  why" per line, '#' starts a comment.
exclusions=$(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$root/tests/windows-exclusions.txt")
filter=$(awk '{print $1}' <<<"$exclusions" | paste -sd: -)
excluded=$(grep -c . <<<"$exclusions" || true)

step "running the tests under Wine"
passed=0
failed=0
total=0
broken=()
logs="$build/test-logs"
mkdir -p "$logs"
for exe in "$build"/tests/*_tests.exe; do
  [ -e "$exe" ] || fail "no test executables in $build/tests"
  name=$(basename "$exe" .exe)
  # A program that does not start lists nothing; that is a failure of its own, not a count of 0.
  listed=$(timeout 300 wine "$exe" --gtest_list_tests 2>"$logs/$name.list.log") && rc=0 || rc=$?
  if [ $rc -ne 0 ]; then
    echo "$name: does not start under Wine (exit $rc); $logs/$name.list.log says:"
    tail -5 "$logs/$name.list.log"
    broken+=("$name")
    continue
  fi
  total=$((total + $(grep -c '^  ' <<<"$listed" || true)))
  if timeout 600 wine "$exe" --gtest_filter="*${filter:+-$filter}" >"$logs/$name.log" 2>&1; then
    result=ok
  else
    result="FAILED, exit $?"
    broken+=("$name")
  fi
  p=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$logs/$name.log" | tail -1)
  f=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) test.*/\1/p' "$logs/$name.log" | tail -1)
  passed=$((passed + ${p:-0}))
  failed=$((failed + ${f:-0}))
  echo "$name: ${p:-0} passed, ${f:-0} failed ($result)"
  if [ "$result" != ok ]; then
    # The logs have Windows line ends; without them a test's two FAILED lines are one.
    if grep -qE '^\[  FAILED  \] [A-Za-z]' "$logs/$name.log"; then
      tr -d '\r' <"$logs/$name.log" | grep -E '^\[  FAILED  \] [A-Za-z]' |
        sed -e 's/, where GetParam.*//' -e 's/ (.*//' | sort -u
    else
      tail -20 "$logs/$name.log"
    fi
  fi
done
# The command-line program starts on Windows too.
if [ -f "$build/arbovane-cli.exe" ]; then
  if wine "$build/arbovane-cli.exe" --version 2>/dev/null | grep -q '^arbovane-cli '; then
    echo "arbovane-cli.exe: starts"
  else
    echo "arbovane-cli.exe: does not start"
    broken+=(arbovane-cli.exe)
  fi
fi
wineserver -k 2>/dev/null || true

echo "Windows build $((built - started)) s, tests $(($(date +%s) - built)) s"
echo "$((passed + failed)) of the $total core and platform tests built for Windows ran;" \
  "$excluded lines of tests/windows-exclusions.txt left the others out"
echo "windows: $passed passed, $failed failed"
[ ${#broken[@]} -eq 0 ] || fail "${broken[*]} failed under Wine (logs in $logs)"
