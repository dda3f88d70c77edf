#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and starts both programs from there,
# without a display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ARBOVANE_BUILD_DIR:-$root/build}

"$root/scripts/build.sh"
# cpack reads the libraries' package dependencies with dpkg-shlibdeps.
if ! command -v dpkg-shlibdeps >/dev/null; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends dpkg-dev
fi
rm -f "$build"/arbovane_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/arbovane_*.deb)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch"
dpkg-deb -f "$deb" Package Version Depends

for file in bin/arbovane bin/arbovane-cli bin/arbovane-desktop \
  share/applications/org.arbovane.Arbovane.desktop share/metainfo/org.arbovane.Arbovane.metainfo.xml \
  share/icons/hicolor/scalable/apps/arbovane.svg share/icons/hicolor/48x48/apps/arbovane.png \
  share/doc/arbovane/userguide.html share/man/man1/arbovane-cli.1; do
  [ -e "$scratch/usr/$file" ] || { echo "the package lacks /usr/$file" >&2; exit 1; }
done

env -u DISPLAY -u WAYLAND_DISPLAY "$scratch/usr/bin/arbovane" --version
"$scratch/usr/bin/arbovane-cli" --version
# Started from its desktop entry, the program works in the user's configuration folder.
HOME="$scratch/home" XDG_CONFIG_HOME="" env -u DISPLAY "$scratch/usr/bin/arbovane-desktop" --version
[ -d "$scratch/home/.config/arbovane" ] || { echo "the launcher made no configuration folder" >&2; exit 1; }
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$scratch/usr/share/metainfo/org.arbovane.Arbovane.metainfo.xml" >/dev/null
fi
echo "package ok: $(basename "$deb")"
