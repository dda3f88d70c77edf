#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program in the current directory (the folder
# where it keeps default.set on a first start). Without a display it starts a virtual one, saves a
# picture of the main window into the build folder and says where.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ARBOVANE_BUILD_DIR:-$root/build}

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  "$root/scripts/build.sh"
  exec "$build/arbovane" "$@"
fi

ARBOVANE_NEED_XVFB=1 "$root/scripts/build.sh"
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$program" "$xvfb" 2>/dev/null || true' EXIT INT TERM
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$build/arbovane" "$@" &
program=$!
sleep 3
shot="$build/arbovane-main-window.png"
if xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$shot" 2>/dev/null; then
  echo "No display here: the program runs on the virtual display $display."
  echo "A picture of its main window is in $shot"
else
  echo "No display here: the program runs on the virtual display $display (no picture taken)."
fi
echo "Press Ctrl-C to stop it."
wait "$program"
