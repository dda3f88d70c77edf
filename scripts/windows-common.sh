# Sourced by the Windows scripts: steps that say what failed, package installs, the Qt cache folder.

current_step="starting"
step() {
  current_step=$1
  echo "== $1"
}
# A failure says which step it was in once, also from inside a $(...) subshell.
failure_mark=$(mktemp -u /tmp/arbovane-failed.XXXXXX)
fail() {
  echo "FAILED at \"$current_step\": $1" >&2
  : >"$failure_mark"
  exit 1
}
# Scripts add the names of functions to run at exit (cleanup) to on_exit.
on_exit=()
OnExit() {
  local rc=$? hook
  for hook in "${on_exit[@]}"; do "$hook" || true; done
  if [ $rc -ne 0 ] && [ ! -e "$failure_mark" ]; then
    echo "FAILED at \"$current_step\" (exit $rc)" >&2
  fi
  rm -f "$failure_mark"
}
trap OnExit EXIT

AsRoot() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

EnsurePackages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  AsRoot apt-get update -qq || fail "apt-get update failed"
  AsRoot apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null ||
    fail "apt-get install ${missing[*]} failed"
}

# The static Qt for mingw-w64, outside every work tree so that clones and worktrees share it.
WindowsQtDir() {
  echo "${ARBOVANE_WINDOWS_QT:-${XDG_CACHE_HOME:-$HOME/.cache}/arbovane/qt6-mingw-w64-static}"
}

# apt-get source needs a deb-src line for the distribution's main archive.
EnsureDebSource() {
  if apt-get source --print-uris -qq qt6-base >/dev/null 2>&1; then return 0; fi
  local codename
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
  echo "Adding a deb-src line for $codename to /etc/apt/sources.list.d/arbovane-deb-src.sources"
  printf '%s\n' "Types: deb-src" "URIs: http://deb.debian.org/debian" \
    "Suites: $codename $codename-updates" "Components: main" \
    "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" |
    AsRoot tee /etc/apt/sources.list.d/arbovane-deb-src.sources >/dev/null
  AsRoot apt-get update -qq || fail "apt-get update failed after adding the deb-src line"
}

# Makes $WINEPREFIX ready to run programs, headless: no add-on installers, no debug output.
# wineboot returns while the new prefix is still being set up, and a program started then may
# fail or print nothing, so this waits for Wine to finish and proves that a program runs.
PrepareWinePrefix() {
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$(dirname "$WINEPREFIX")"
  local log="$WINEPREFIX.boot.log" answer="" try
  for try in 1 2; do
    wineboot --init >"$log" 2>&1 || echo "wineboot exit $?" >>"$log"
    wineserver -w
    if [ -f "$WINEPREFIX/system.reg" ]; then
      answer=$(timeout 120 wine cmd /c echo ready 2>>"$log" | tr -d '\r') || true
      [ "$answer" = ready ] && break
    fi
    echo "The Wine prefix $WINEPREFIX is not ready (try $try); starting Wine afresh"
    wineserver -k 2>/dev/null || true
    sleep 2
  done
  [ -f "$WINEPREFIX/system.reg" ] || fail "wineboot made no prefix in $WINEPREFIX (see $log)"
  [ "$answer" = ready ] || fail "Wine cannot run a program in $WINEPREFIX (see $log)"
  rm -f "$log"
}
