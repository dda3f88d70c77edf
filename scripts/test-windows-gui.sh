#!/usr/bin/env bash
# Installs the Windows program with its installer under Wine, in a throwaway Wine prefix on a
# virtual display, and uses it as a user would: starts it from its Start menu entry, checks the
# main window and its six tabs, copies a template into three folders with the keyboard and the
# mouse, takes the copy back with Undo, then removes the program with its uninstaller. Pictures
# of the main window and the Visual Log go to build-win/screenshots/. Any failed step ends the
# script with a non-zero exit and says which step it was.
# The installer comes from scripts/build-windows.sh (run first unless ARBOVANE_WINDOWS_INSTALLER
# names one).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ARBOVANE_WINDOWS_BUILD_DIR:-$root/build-win}
# shellcheck source=windows-common.sh
source "$root/scripts/windows-common.sh"

step "installing what is missing"
EnsurePackages wine wine64 fonts-wine xvfb xauth xdotool x11-utils x11-apps netpbm

installer=${ARBOVANE_WINDOWS_INSTALLER:-}
if [ -z "$installer" ]; then
  step "building the installer"
  "$root/scripts/build-windows.sh"
  installer=$(ls -t "$build"/arbovane-*-setup.exe | head -1)
fi
[ -f "$installer" ] || fail "no installer at $installer"
shots="$build/screenshots"
mkdir -p "$shots"
rm -f "$shots"/*.png

# --- a display and a Wine prefix of their own -------------------------------------------------
step "starting a virtual display and a Wine prefix"
scratch=$(mktemp -d /tmp/arbovane-wine.XXXXXX)
xvfb_pid=""
Cleanup() {
  # A picture of the whole display shows what stood there when a step failed.
  if [ -e "$failure_mark" ] && [ -n "$xvfb_pid" ]; then
    xwd -root -silent 2>/dev/null | xwdtopnm 2>/dev/null | pnmtopng >"$shots/at-failure.png" 2>/dev/null &&
      echo "picture of the display at the failure: $shots/at-failure.png" >&2
  fi
  WINEPREFIX="$scratch/prefix" wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$scratch"
}
on_exit+=(Cleanup)
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1366x768x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.2; done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start on $DISPLAY (see $scratch/xvfb.log)"
export WINEPREFIX="$scratch/prefix"
PrepareWinePrefix
# Wine draws the windows' frames and title bars itself, as Windows does, since no window
# manager runs on the display.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 ||
  fail "could not set Wine's window frames"
# Windows' dialog font and the glyphs of the title bar buttons, as Wine ships them.
cp /usr/share/wine/fonts/tahoma*.ttf /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" ||
  fail "Wine's fonts are not in /usr/share/wine/fonts"

# --- the installer ----------------------------------------------------------------------------
step "running the installer silently"
wine "$installer" /S || fail "the installer ended with exit $?"
wineserver -w
program_files=$(winepath -u 'C:\Program Files\Arbovane' 2>/dev/null)
menu=$(winepath -u 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Arbovane' 2>/dev/null)
for file in "$program_files/arbovane.exe" "$program_files/arbovane-cli.exe" \
  "$program_files/userguide.html" "$program_files/images/copy-tab.png" "$program_files/uninstall.exe" \
  "$menu/Arbovane.lnk" "$menu/Arbovane User Guide.lnk" "$menu/Uninstall Arbovane.lnk"; do
  [ -f "$file" ] || fail "the installer made no ${file#"$WINEPREFIX/"}"
done
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Arbovane'
wine reg query "$uninstall_key" /v DisplayName 2>/dev/null | grep -q 'Arbovane 8.20' ||
  fail "the installer registered no uninstaller under $uninstall_key"
echo "installed: C:\\Program Files\\Arbovane (arbovane.exe, arbovane-cli.exe, userguide.html, uninstall.exe)"
echo "installed: Start menu entries Arbovane, Arbovane User Guide, Uninstall Arbovane; Apps entry \"Arbovane 8.20\""
cli_version=$(wine 'C:\Program Files\Arbovane\arbovane-cli.exe' --version 2>/dev/null | tr -d '\r')
[ "$cli_version" = "arbovane-cli 8.20" ] || fail "arbovane-cli.exe --version printed \"$cli_version\""
echo "arbovane-cli.exe --version: $cli_version"

# --- the window program -----------------------------------------------------------------------
# Window helpers: every window is found by its title, which also proves the message shown.
# A search can fail outright when a window vanishes while it looks (Wine makes and drops helper
# windows as it starts), so it is asked again until the time is up.
WaitWindow() {
  local id="" deadline=$((SECONDS + ${2:-90}))
  while [ -z "$id" ] && [ $SECONDS -lt $deadline ]; do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) || true
    [ -n "$id" ] || sleep 0.5
  done
  [ -n "$id" ] || fail "no window titled \"$1\" appeared"
  echo "$id"
}
WaitGone() {
  for _ in $(seq 150); do
    xwininfo -id "$1" 2>/dev/null | grep -q IsViewable || return 0
    sleep 0.2
  done
  fail "the window \"$2\" stayed open"
}
Focus() {
  timeout 10 xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  sleep 0.5
}
Keys() {
  xdotool key --delay 80 "$@"
  sleep 0.5
}
Type() {
  xdotool type --delay 40 "$1"
}
Picture() { xwd -id "$1" -silent | xwdtopnm 2>/dev/null >"$2"; }
Png() { pnmtopng "$1" >"$2" 2>/dev/null; }
# Pictures of one window that differ in fewer bytes than a caret's are the same picture.
SamePicture() { [ "$(cmp -l "$1" "$2" 2>/dev/null | wc -l)" -lt 600 ] && [ "$(stat -c %s "$1")" = "$(stat -c %s "$2")" ]; }
# The scratch tree, one line a folder or file, as the user would list it.
Snapshot() { (cd "$tree" && find . -mindepth 1 | sed 's|^\./||; s|/|\\|g' | LC_ALL=C sort); }
# The edit windows' memo takes Tab as text; their OK button stands left of Cancel and Help at
# the bottom right.
ClickOk() {
  local WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
  xdotool mousemove --window "$1" $((WIDTH - 215)) $((HEIGHT - 27)) click 1
  sleep 0.5
}
# The include list fills most of the copy tab's left half: a click there gives it the focus,
# and every button of the tab is then a fixed number of Tab presses away.
ClickIncludeList() {
  xdotool mousemove --window "$main" 150 350 click 1
  sleep 0.5
}

step "starting the program from its Start menu entry"
tree=$(winepath -u 'C:\Scratch' 2>/dev/null)
for client in Acme Bolt Core; do
  mkdir -p "$tree/Clients/$client"
  echo "notes of $client" >"$tree/Clients/$client/notes.txt"
done
before=$(Snapshot)
appdata=$(winepath -u "$(wine cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')" 2>/dev/null)
(cd "$scratch" && wine start 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Arbovane\Arbovane.lnk' \
  >"$scratch/program.log" 2>&1) || fail "wine start of the Start menu entry failed"
main=$(WaitWindow '^Arbovane 8.20$' 120)
sleep 3
echo "main window: \"$(xdotool getwindowname "$main")\", $(xwininfo -id "$main" | sed -n 's/.*-geometry //p')"
[ -f "$appdata/arbovane/default.set" ] ||
  fail "no settings file in %APPDATA%\\arbovane: the Start menu entry did not start the program there"
echo "settings: %APPDATA%\\arbovane\\default.set ($(stat -c %s "$appdata/arbovane/default.set") bytes)"

# Ctrl+Tab walks the tabs: six different pages, and the seventh press shows the first again.
step "counting the tabs"
Focus "$main"
Picture "$main" "$scratch/tab0.ppm"
Png "$scratch/tab0.ppm" "$shots/main-window-start.png"
for i in 1 2 3 4 5 6; do
  Keys ctrl+Tab
  sleep 1
  Picture "$main" "$scratch/tab$i.ppm"
done
SamePicture "$scratch/tab0.ppm" "$scratch/tab6.ppm" || fail "six Ctrl+Tab presses did not come back to the first tab"
for i in 0 1 2 3 4 5; do
  for j in $(seq $((i + 1)) 5); do
    SamePicture "$scratch/tab$i.ppm" "$scratch/tab$j.ppm" && fail "tabs $((i + 1)) and $((j + 1)) look the same"
  done
done
echo "tabs: 6 (six different pages, the seventh Ctrl+Tab shows the first again)"

step "filling the copy tab's include list"
echo "scratch tree before the copy:"
sed 's/^/  /' <<<"$before"
ClickIncludeList
Keys $(printf 'Tab %.0s' $(seq 11)) space
edit=$(WaitWindow '^Edit the Include Folder List - for Copy Process\.$')
Focus "$edit"
Type 'C:\Scratch\Clients\Acme'
Keys Return
Type 'C:\Scratch\Clients\Bolt'
Keys Return
Type 'C:\Scratch\Clients\Core'
ClickOk "$edit"
WaitGone "$edit" "Edit the Include Folder List"

step "adding the template"
Focus "$main"
ClickIncludeList
Keys $(printf 'Tab %.0s' $(seq 24)) space
templates=$(WaitWindow '^Edit $')
Focus "$templates"
Type '\Project\Plans'
Keys Return
Type '\Project\Invoices'
ClickOk "$templates"
WaitGone "$templates" "Edit (templates)"

step "copying"
Focus "$main"
ClickIncludeList
Keys $(printf 'Tab %.0s' $(seq 16)) space
question=$(WaitWindow 'Information no: 0284\.$')
Focus "$question"
Keys y
end=$(WaitWindow 'Information no: 0285\.$' 180)
log=$(WaitWindow '^Detailed Results for Copied Subfolders and/or Files to Main Folders\.$')
Focus "$end"
Keys Return
WaitGone "$end" "End of the Copy process"
sleep 1
Picture "$log" "$scratch/visual-log.ppm"
Png "$scratch/visual-log.ppm" "$shots/visual-log.png"
after_copy=$(Snapshot)
echo "scratch tree after the copy:"
sed 's/^/  /' <<<"$after_copy"
expected=$(
  echo "$before"
  for client in Acme Bolt Core; do
    printf 'Clients\\%s\\Project\nClients\\%s\\Project\\Invoices\nClients\\%s\\Project\\Plans\n' "$client" "$client" "$client"
  done
)
[ "$after_copy" = "$(LC_ALL=C sort <<<"$expected")" ] || fail "the copy did not make Project\\Plans and Project\\Invoices in the three folders"
echo "copy: Project\\Plans and Project\\Invoices made in Acme, Bolt and Core"

# The Visual Log stands over the main window; it closes as any window does.
Focus "$log"
Keys alt+F4
WaitGone "$log" "Visual Log"
Focus "$main"
sleep 1
Picture "$main" "$scratch/main-window.ppm"
Png "$scratch/main-window.ppm" "$shots/main-window.png"

step "taking the copy back with Undo"
ClickIncludeList
Keys $(printf 'Tab %.0s' $(seq 18)) space
question=$(WaitWindow 'Information no: 0291\.$')
Focus "$question"
Keys y
end=$(WaitWindow 'Information no: 0293\.$' 180)
Focus "$end"
Keys Return
WaitGone "$end" "End of the Undo process"
after_undo=$(Snapshot)
echo "scratch tree after the undo:"
sed 's/^/  /' <<<"$after_undo"
[ "$after_undo" = "$before" ] || fail "the undo did not leave the tree as it was before the copy"
echo "undo: the tree is as it was before the copy"

step "closing the program"
Focus "$main"
Keys alt+F4
WaitGone "$main" "Arbovane 8.20"
if xdotool search --onlyvisible --name 'Msg no:' >/dev/null 2>&1; then
  fail "a severe error box stood open after the main window closed"
fi
timeout 60 wineserver -w || fail "the program did not end after its main window closed"
echo "closed: the program ended with its main window"

step "removing the program with its uninstaller"
wine 'C:\Program Files\Arbovane\uninstall.exe' /S || fail "the uninstaller ended with exit $?"
# The uninstaller runs on from a copy of itself; Wine's server ends when it has.
timeout 120 wineserver -w || true
[ ! -e "$program_files" ] || fail "the uninstaller left $(ls "$program_files" | tr '\n' ' ')"
[ ! -e "$menu" ] || fail "the uninstaller left the Start menu entries"
[ -f "$appdata/arbovane/default.set" ] || fail "the uninstaller removed the user's settings"
echo "uninstalled: program folder and Start menu entries gone, the user's settings kept"

step "done"
echo "pictures: $shots/main-window.png, $shots/visual-log.png, $shots/main-window-start.png"
echo "windows gui: all steps passed"
