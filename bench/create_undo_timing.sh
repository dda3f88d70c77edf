#!/usr/bin/env bash
# Wall-clock seconds of creating numbered folders with the command-line program and of its undo,
# against xargs mkdir -p on the same paths and rm -rf, in alternating rounds; prints each round
# and the medians. Usage: bench/create_undo_timing.sh [CLI] [FOLDER] (default /dev/shm).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$root/build/arbovane-cli}
base=${2:-/dev/shm}/arbovane-timing.$$
folders=${FOLDERS:-100000}
rounds=${ROUNDS:-4}
mkdir -p "$base"
trap 'rm -rf "$base"' EXIT
win() { echo "z:${1//\//\\}"; }
seconds() {
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null 2>&1 || true
  end=$(date +%s.%N)
  echo "$end - $start" | bc
}
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

declare -a create mkdirp undo rmrf
for r in $(seq 1 "$rounds"); do
  mkdir -p "$base/Dest" "$base/plain"
  seq 1 "$folders" | sed "s|^|$base/plain/|" >"$base/paths"
  sync
  # Which goes first alternates, so a change in the machine's load falls on both.
  if ((r % 2)); then
    create[r]=$(seconds "$cli" create-numbers --quiet --destination "$(win "$base/Dest")" \
      --start 1 --end "$folders" --journal "$base/journal")
    mkdirp[r]=$(seconds sh -c "xargs mkdir -p <'$base/paths'")
    undo[r]=$(seconds "$cli" undo --yes --quiet --journal "$base/journal")
    rmrf[r]=$(seconds rm -rf "$base/plain")
  else
    mkdirp[r]=$(seconds sh -c "xargs mkdir -p <'$base/paths'")
    create[r]=$(seconds "$cli" create-numbers --quiet --destination "$(win "$base/Dest")" \
      --start 1 --end "$folders" --journal "$base/journal")
    rmrf[r]=$(seconds rm -rf "$base/plain")
    undo[r]=$(seconds "$cli" undo --yes --quiet --journal "$base/journal")
  fi
  echo "round $r: create ${create[r]} mkdir-p ${mkdirp[r]} undo ${undo[r]} rm-rf ${rmrf[r]}"
  rm -rf "$base/Dest" "$base/plain" "$base/journal"
done
mc=$(printf '%s\n' "${create[@]}" | median)
mm=$(printf '%s\n' "${mkdirp[@]}" | median)
mu=$(printf '%s\n' "${undo[@]}" | median)
mr=$(printf '%s\n' "${rmrf[@]}" | median)
echo "median: create $mc s, xargs mkdir -p $mm s ($(echo "scale=2; $mc / $mm" | bc)x);" \
  "undo $mu s, rm -rf $mr s ($(echo "scale=2; $mu / $mr" | bc)x)"
