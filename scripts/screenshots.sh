#!/usr/bin/env bash
# Pictures of every window of the program, made offscreen on a sample drive F:, into
# build/screenshots (or the folder given). With --docs, the pictures the user guide and the README
# show are copied from there into docs/images under the names the pages use.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ARBOVANE_BUILD_DIR:-$root/build}
docs=false
if [[ ${1:-} == --docs ]]; then
    docs=true
    shift
fi
out=${1:-$build/screenshots}

"$root/scripts/build.sh"
cmake --build "$build" --target arbovane_screenshots
QT_QPA_PLATFORM=offscreen "$build/arbovane_screenshots" "$out"
echo "Screenshots are in $out"

$docs || exit 0
# picture made by the tool -> name in docs/images
pictures=(
    tab1-tabFoldersCopy02:copy-tab
    tab2-tabFoldersDelete01:delete-tab
    tab3-tabFoldersRename01:rename-tab
    tab4-tabFolderCreate03:create-names-tab
    tab5-tabFolderCreate05:create-paths-tab
    tab6-tabFolderCreate04:create-numbers-tab
    visuallog-frmStatistic08:visual-log-copy
    visuallog-frmStatistic03:visual-log-numbers
    dialog-frmSubFolderListBuilder:list-builder
    dialog-frmFileImport:import
    dialog-frmFileSelection:file-selection
    dialog-frmFolderTemplateOptions:template-options
    examples-frmExamplesCopy:examples-copy
    list-after-drop:list-drop
    job-save:job-save
    job-open:job-open
)
mkdir -p "$root/docs/images"
for entry in "${pictures[@]}"; do
    cp "$out/${entry%%:*}.png" "$root/docs/images/${entry##*:}.png"
done
echo "${#pictures[@]} pictures copied into docs/images"
