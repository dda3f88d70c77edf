#include <gtest/gtest.h>

#include "core/undo/UndoResult.h"

namespace arbovane {
namespace {

TEST(UndoSummary, SaysWhatTheUndoRemovedAndWhatItKeptAndWhy) {
    FolderFileUndoResult all;
    all.removedFolders = {"a", "b"};
    all.removedFiles = {"f"};
    FolderFileUndoResult kept = all;
    kept.changedFiles = {"g"};
    kept.occupiedFolders = {"c", "d"};
    kept.failedFiles = {"h"};
    const struct {
        FolderFileUndoResult result;
        const char* text;
    } cases[] = {
        {{}, "Undo: removed 0 folders and 0 files."},
        {all, "Undo: removed 2 folders and 1 file."},
        {kept,
         "Undo: removed 2 folders and 1 file; kept 1 file (changed since the run); kept 2 folders "
         "(holding something the run did not make); kept 1 entry (could not be removed)."},
    };
    for (const auto& c : cases) EXPECT_EQ(UndoSummaryText(c.result), c.text);

    RenameUndoResult renames;
    renames.renamedBack = {{"d:\\A", "d:\\A_x"}};
    renames.oldNameTaken = {{"d:\\B", "d:\\B_x"}};
    renames.renamedMissing = {{"d:\\C", "d:\\C_x"}, {"d:\\D", "d:\\D_x"}};
    EXPECT_EQ(UndoSummaryText(renames),
              "Undo: renamed back 1 folder; kept 1 folder (its old name is taken again); 2 "
              "folders no longer there.");
}

}  // namespace
}  // namespace arbovane
