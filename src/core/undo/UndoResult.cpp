#include "core/undo/UndoResult.h"

namespace arbovane {

namespace {

std::string Count(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

void AddKept(std::string& text, std::size_t count, const char* one, const char* many,
             const char* why) {
    if (count == 0) return;
    text += "; kept " + Count(count, one, many) + " (" + why + ")";
}

}  // namespace

std::string UndoSummaryText(const FolderFileUndoResult& result) {
    std::string text = "Undo: removed " + Count(result.removedFolders.size(), "folder", "folders") +
                       " and " + Count(result.removedFiles.size(), "file", "files");
    AddKept(text, result.changedFiles.size(), "file", "files", "changed since the run");
    AddKept(text, result.occupiedFolders.size(), "folder", "folders",
            "holding something the run did not make");
    AddKept(text, result.failedFolders.size() + result.failedFiles.size(), "entry", "entries",
            "could not be removed");
    return text + ".";
}

std::string UndoProgressText(std::size_t done, std::size_t total) {
    return "Undo: " + std::to_string(done) + " of " + std::to_string(total) + " entries done...";
}

std::string UndoSummaryText(const RenameUndoResult& result) {
    std::string text =
        "Undo: renamed back " + Count(result.renamedBack.size(), "folder", "folders");
    AddKept(text, result.oldNameTaken.size(), "folder", "folders", "its old name is taken again");
    if (!result.renamedMissing.empty())
        text +=
            "; " + Count(result.renamedMissing.size(), "folder", "folders") + " no longer there";
    AddKept(text, result.failed.size(), "folder", "folders", "could not be renamed back");
    return text + ".";
}

}  // namespace arbovane
