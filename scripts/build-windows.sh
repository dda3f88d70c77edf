#!/usr/bin/env bash
# Builds the Windows program on Linux: a static Qt for mingw-w64 (once, into a cache folder outside
# the work tree), then arbovane.exe and arbovane-cli.exe against it, then the NSIS installer.
#   scripts/build-windows.sh            everything; the installer lands in build-win/
#   scripts/build-windows.sh qt         only the Qt cache (for a machine that builds it ahead)
#   scripts/build-windows.sh cached-qt  exits 0 when the Qt cache is there and usable, else 1
# ARBOVANE_WINDOWS_QT names the Qt cache folder, ARBOVANE_WINDOWS_BUILD_DIR the build folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ARBOVANE_WINDOWS_BUILD_DIR:-$root/build-win}
only=${1:-all}
# shellcheck source=windows-common.sh
source "$root/scripts/windows-common.sh"

qt=$(WindowsQtDir)
# Part of the stamp: a change here builds the cache again instead of using a Qt made another way.
qt_options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  # What the programs do not use; accessibility also lacks its Windows bridge in this source.
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_accessibility=OFF -DFEATURE_icu=OFF -DFEATURE_glib=OFF -DFEATURE_zstd=OFF
  # The source lacks wintab.h.
  -DFEATURE_tabletevent=OFF
  # Nothing to find on a mingw system; the copies in the source are used.
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
  # OpenGL stays on (dynamic, as Windows builds have it): the platform plugin needs it to compile.
)
# The host's Qt tools (moc, rcc, uic) generate code for the Windows Qt, so both must be the same
# release: the source package is fetched at the host's version.
QtStamp() {
  local host
  host=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null) || return 1
  echo "qt6-base $host for x86_64-w64-mingw32, ${qt_options[*]}"
}
QtCached() {
  [ -f "$qt/arbovane-qt-stamp" ] && [ "$(cat "$qt/arbovane-qt-stamp")" = "$(QtStamp)" ]
}
if [ "$only" = cached-qt ]; then
  if QtCached; then echo "Qt for Windows: built in $qt"; exit 0; fi
  echo "Qt for Windows: not built in $qt"
  # An answer, not a failure: no "FAILED" line.
  trap - EXIT
  exit 1
fi

step "installing what is missing"
EnsurePackages cmake ninja-build dpkg-dev g++ libicu-dev qt6-base-dev qt6-base-dev-tools qt6-svg-dev \
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nsis wine wine64

# --- Qt for Windows ---------------------------------------------------------------------------
host_qt=$(dpkg-query -W -f='${Version}' qt6-base-dev)
qt_release=${host_qt%%+*}
qt_stamp=$(QtStamp)

if QtCached; then
  step "Qt $qt_release for Windows: using the cache in $qt"
else
  step "Qt $qt_release for Windows: building into $qt (once; about half an hour on two cores)"
  qt_started=$(date +%s)
  work="$qt.work"
  rm -rf "$qt" "$work"
  mkdir -p "$work"
  EnsureDebSource
  (cd "$work" && apt-get source -qq "qt6-base=$host_qt" >"$work/fetch.log" 2>&1) ||
    fail "apt-get source qt6-base=$host_qt failed (see $work/fetch.log)"
  src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -1)
  [ -n "$src" ] || fail "no qt6-base source folder in $work"
  nice -n 19 cmake -S "$src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${qt_options[@]}" >"$work/configure.log" 2>&1 ||
    fail "configuring Qt failed (see $work/configure.log)"
  nice -n 19 cmake --build "$work/build" -j "$(nproc)" >"$work/build.log" 2>&1 ||
    fail "building Qt failed (see the end of $work/build.log)"
  cmake --install "$work/build" >"$work/install.log" 2>&1 ||
    fail "installing Qt into $qt failed (see $work/install.log)"
  echo "$qt_stamp" >"$qt/arbovane-qt-stamp"
  echo "$(($(date +%s) - qt_started)) s" >"$qt/arbovane-qt-build-time"
  rm -rf "$work"
  step "Qt for Windows built in $(cat "$qt/arbovane-qt-build-time")"
fi
[ "$only" = qt ] && exit 0

# --- the programs -----------------------------------------------------------------------------
# The icon is rendered on the build host with the host's Qt SVG renderer.
step "the icon renderer for this host"
host="$build/host-tools"
cmake -S "$root" -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=Release -DARBOVANE_BUILD_TESTS=OFF \
  >"$build.host-configure.log" 2>&1 || { cat "$build.host-configure.log" >&2; fail "configuring the host tools failed"; }
rm -f "$build.host-configure.log"
cmake --build "$host" --target arbovane_render_icon >/dev/null || fail "building the icon renderer failed"

step "arbovane.exe and arbovane-cli.exe against the Qt in $qt"
programs_started=$(date +%s)
app="$build/app"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$app" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DARBOVANE_WINDOWS_QT="$qt" -DCMAKE_PREFIX_PATH=/ \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DARBOVANE_BUILD_TESTS=OFF -DARBOVANE_ICON_RENDERER="$host/arbovane_render_icon" \
  "${launcher[@]}" >/dev/null || fail "configuring the Windows programs failed"
cmake --build "$app" -j "$(nproc)" --target arbovane arbovane-cli || fail "building the Windows programs failed"
echo "Windows programs built in $(($(date +%s) - programs_started)) s"

# Each program stands alone: every DLL it imports is one that Windows itself has (checked against
# the system DLLs Wine carries).
step "checking the programs' DLL imports"
system_dlls=$(ls /usr/lib/x86_64-linux-gnu/wine/x86_64-windows/ 2>/dev/null | tr 'A-Z' 'a-z')
[ -n "$system_dlls" ] || fail "Wine's system DLLs are not in /usr/lib/x86_64-linux-gnu/wine/x86_64-windows"
for exe in "$app/arbovane.exe" "$app/arbovane-cli.exe"; do
  [ -f "$exe" ] || fail "$exe was not built"
  imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
  for dll in $imports; do
    # api-ms-win-* names are API sets, which the loader of Windows 8 and later maps onto its own
    # DLLs; they are no files to ship.
    [[ $dll == api-ms-win-* ]] && continue
    grep -qx "$dll" <<<"$system_dlls" || fail "$(basename "$exe") needs $dll, which Windows does not have"
  done
  echo "$(basename "$exe"): $(du -h "$exe" | cut -f1), imports only system DLLs ($(echo $imports | wc -w))"
done

# --- the installer ----------------------------------------------------------------------------
step "the installer"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$app/CMakeCache.txt")
installer="$build/arbovane-$version-setup.exe"
makensis -V2 -DVERSION="$version" -DPROGRAMS="$app" -DSOURCE="$root" -DOUTFILE="$installer" \
  "$root/packaging/windows/arbovane.nsi" || fail "makensis failed"
step "done"
echo "Installer: $installer ($(du -h "$installer" | cut -f1))"
