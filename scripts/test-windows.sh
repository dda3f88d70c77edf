#!/usr/bin/env bash
# Cross-builds the core and platform tests for Windows (mingw-w64, no Qt, no ICU) and runs them
# under Wine, headless, in a Wine prefix of its own. Tests that need a feature Windows or Wine
# lacks are listed, each with its reason, in tests/windows-exclusions.txt.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ARBOVANE_WINDOWS_BUILD_DIR:-$root/build-win}
started=$(date +%s)

packages=(cmake ninja-build g++-mingw-w64-x86-64-posix googletest wine wine64)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DARBOVANE_BUILD_GUI=OFF -DARBOVANE_GTEST_SOURCE_DIR=/usr/src/googletest "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"
built=$(date +%s)

# A throwaway prefix under the build folder; no display, no add-on installers, no debug output.
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
[ -f "$WINEPREFIX/system.reg" ] || wineboot --init >/dev/null 2>&1 || true

# tests/windows-exclusions.txt: "Suite.Case  why" per line, '#' starts a comment.
filter=$(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$root/tests/windows-exclusions.txt" |
  awk '{print $1}' | paste -sd: -)
excluded=$(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$root/tests/windows-exclusions.txt" | wc -l)

passed=0
failed=0
total=0
status=0
logs="$build/test-logs"
mkdir -p "$logs"
for exe in "$build"/tests/*_tests.exe; do
  name=$(basename "$exe" .exe)
  total=$((total + $(wine "$exe" --gtest_list_tests 2>/dev/null | grep -c '^  ')))
  if timeout 600 wine "$exe" --gtest_filter="*${filter:+-$filter}" >"$logs/$name.log" 2>&1; then
    result=ok
  else
    result=FAILED
    status=1
  fi
  p=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$logs/$name.log" | tail -1)
  f=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) test.*/\1/p' "$logs/$name.log" | tail -1)
  passed=$((passed + ${p:-0}))
  failed=$((failed + ${f:-0}))
  echo "$name: ${p:-0} passed, ${f:-0} failed ($result)"
  if [ "$result" = FAILED ]; then
    grep -E '^\[  FAILED  \] [A-Za-z]' "$logs/$name.log" | sed -e 's/, where GetParam.*//' -e 's/ (.*//' |
      sort -u || tail -20 "$logs/$name.log"
  fi
done
# The command-line program starts on Windows too.
if [ -f "$build/arbovane-cli.exe" ]; then
  if wine "$build/arbovane-cli.exe" --version 2>/dev/null | grep -q '^arbovane-cli '; then
    echo "arbovane-cli.exe: starts"
  else
    echo "arbovane-cli.exe: does not start"
    status=1
  fi
fi
wineserver -k 2>/dev/null || true

echo "Windows build $((built - started)) s, tests $(($(date +%s) - built)) s"
echo "$((passed + failed)) of the $total core and platform tests built for Windows ran;" \
  "$excluded lines of tests/windows-exclusions.txt left the others out"
echo "windows: $passed passed, $failed failed"
exit $status
