#!/usr/bin/env bash
# System calls per entry of the command-line program's engines against the plain tools, counted
# with strace -c (children followed). Counts do not depend on the machine's load.
# Usage: bench/syscalls.sh [CLI] [FOLDER]   (FOLDER: where the trees are made, default /dev/shm)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$root/build/arbovane-cli}
base=${2:-/dev/shm}/arbovane-syscalls.$$
folders=${FOLDERS:-20000}
template=${TEMPLATE:-/usr/include/linux}
copies=5
mkdir -p "$base"
trap 'rm -rf "$base"' EXIT
win() { echo "z:${1//\//\\}"; }

# Total calls of a command (strace's summary line), divided by entries.
per_entry() {
  local entries=$1
  shift
  local out="$base/strace.out"
  strace -f -c -o "$out" "$@" >/dev/null 2>&1 || true
  awk -v n="$entries" '/^[0-9. ]+ +[0-9.]+ +[0-9]+ +[0-9]+/ && $NF=="total" {printf "%.1f", $4 / n}' "$out"
}
# The three busiest calls, for the table.
top_calls() {
  awk '$NF!="total" && $NF!="syscall" && $1 ~ /^[0-9.]+$/ {print $4, $NF}' "$base/strace.out" |
    sort -rn | head -3 | awk '{printf "%s%s %s", (NR>1?", ":""), $1, $2}'
}

row() { printf '| %s | %s | %s |\n' "$1" "$2" "$3"; }

echo "| run | calls per entry | busiest calls |"
echo "|---|---:|---|"
mkdir -p "$base/Dest" "$base/plain"
row "create-numbers, $folders folders" "$(per_entry "$folders" "$cli" create-numbers --quiet \
  --destination "$(win "$base/Dest")" --start 1 --end "$folders" --journal "$base/create.journal")" \
  "$(top_calls)"
seq 1 "$folders" | sed "s|^|$base/plain/|" >"$base/paths"
row "xargs mkdir -p, same paths" "$(per_entry "$folders" sh -c "xargs mkdir -p <'$base/paths'")" \
  "$(top_calls)"
row "undo of that creation" "$(per_entry "$folders" "$cli" undo --yes --quiet \
  --journal "$base/create.journal")" "$(top_calls)"
row "rm -rf, same folders" "$(per_entry "$folders" rm -rf "$base/plain")" "$(top_calls)"

entries=$(($(find "$template" | wc -l) * copies))
lines=()
for i in $(seq 1 $copies); do
  mkdir -p "$base/In$i" "$base/cp$i"
  lines+=(--line "$(win "$base/In$i")")
done
row "copy of $template into $copies folders" "$(per_entry "$entries" "$cli" copy --quiet "${lines[@]}" \
  --template "$(win "$template")" --kind full --attach main-with-files --pattern '*.*' \
  --journal "$base/copy.journal")" "$(top_calls)"
row "cp -rn, same copies" "$(per_entry "$entries" sh -c "for i in \$(seq 1 $copies); do cp -rn '$template' '$base/cp'\$i/; done")" \
  "$(top_calls)"
row "delete complete of the copies" "$(per_entry "$entries" "$cli" delete --yes --quiet \
  --mode complete "${lines[@]}")" "$(top_calls)"
row "rm -rf, same copies" "$(per_entry "$entries" sh -c "rm -rf '$base'/cp*")" "$(top_calls)"
