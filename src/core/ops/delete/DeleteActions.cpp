#include "core/ops/delete/DeleteActions.h"

#include <cstdint>

#include "core/visuallog/VisualLog.h"
#include "platform/FileSystem.h"

namespace arbovane {

void CountDeleteOutcome(VisualLog& log, Vol07Counter counter, Vol07Category category,
                        const std::string& path) {
    log.Add(counter, 1);
    log.AddEntry(category, path);
    log.Refresh();
}

// The entry was just listed, so it is tried at once; only a failure asks whether it is still
// there. Its own attributes answer that, also for a folder the user may not enter.
bool RemovingDeleteActions::Exists(const std::string& path) {
    std::uint32_t attributes = 0;
    return fs_.GetAttributes(path, attributes);
}

void RemovingDeleteActions::File(const std::string& path) {
    if (fs_.RemoveFile(path))
        CountDeleteOutcome(log_, Vol07Counter::FilesDeleted, Vol07Category::FilesDeleted, path);
    else if (!Exists(path))
        CountDeleteOutcome(log_, Vol07Counter::FilesNotExists, Vol07Category::FilesNotExists, path);
    else
        CountDeleteOutcome(log_, Vol07Counter::FilesOtherReasons, Vol07Category::FilesOtherReasons,
                           path);
}

void RemovingDeleteActions::Folder(const std::string& path) {
    bool removed = fs_.RemoveEmptyFolder(path);
    if (!removed && !Exists(path)) {
        CountDeleteOutcome(log_, Vol07Counter::FoldersNotExists, Vol07Category::FoldersNotExists,
                           path);
        return;
    }
    if (!removed && readOnlyFolders_ && fs_.SetAttributes(path, kAttrSystem))
        removed = fs_.RemoveEmptyFolder(path);
    if (removed)
        CountDeleteOutcome(log_, Vol07Counter::FoldersDeleted, Vol07Category::FoldersDeleted, path);
    else
        CountDeleteOutcome(log_, Vol07Counter::FoldersOtherReasons,
                           Vol07Category::FoldersOtherReasons, path);
}

void ProbingDeleteActions::File(const std::string& path) {
    // A link to a folder goes as an entry in the run, so it counts as a file here too.
    if (fs_.IsFile(path) || fs_.IsLink(path))
        CountDeleteOutcome(log_, Vol07Counter::FilesDeleted, Vol07Category::FilesDeleted, path);
    else
        CountDeleteOutcome(log_, Vol07Counter::FilesNotExists, Vol07Category::FilesNotExists, path);
}

void ProbingDeleteActions::Folder(const std::string& path) {
    if (fs_.IsFolder(path))
        CountDeleteOutcome(log_, Vol07Counter::FoldersDeleted, Vol07Category::FoldersDeleted, path);
    else
        CountDeleteOutcome(log_, Vol07Counter::FoldersNotExists, Vol07Category::FoldersNotExists,
                           path);
}

}  // namespace arbovane
