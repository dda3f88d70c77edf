#include "core/ops/delete/DeleteActions.h"

#include "core/visuallog/VisualLog.h"
#include "platform/FileSystem.h"

namespace arbovane {

namespace {

// The attributes a folder can be given back; the folder bit is the file system's own.
constexpr std::uint32_t kSettableAttributes =
    kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive;

void CountOtherReasons(VisualLog& log, const std::string& path, bool isFolder) {
    if (isFolder)
        CountDeleteOutcome(log, Vol07Counter::FoldersOtherReasons,
                           Vol07Category::FoldersOtherReasons, path);
    else
        CountDeleteOutcome(log, Vol07Counter::FilesOtherReasons, Vol07Category::FilesOtherReasons,
                           path);
}

// Its own attributes answer whether an entry is there, also for a folder the user may not
// enter and for a link whatever it points to.
bool EntryExists(const DeleteTarget& target) {
    std::uint32_t attributes = 0;
    FsError why = FsError::None;
    return target.tree.GetAttributes(target.relative, attributes, why) || why != FsError::NotFound;
}

}  // namespace

void CountDeleteOutcome(VisualLog& log, Vol07Counter counter, Vol07Category category,
                        const std::string& path) {
    log.Add(counter, 1);
    log.AddEntry(category, path);
    log.Refresh();
}

// The entry was just listed, so it is tried at once; the reason of a failure tells whether it
// was still there.
void RemovingDeleteActions::File(const DeleteTarget& target) {
    FsError why = FsError::None;
    if (target.tree.RemoveFile(target.relative, why))
        CountDeleteOutcome(log_, Vol07Counter::FilesDeleted, Vol07Category::FilesDeleted,
                           target.path);
    else if (why == FsError::NotFound)
        CountDeleteOutcome(log_, Vol07Counter::FilesNotExists, Vol07Category::FilesNotExists,
                           target.path);
    else
        CountOtherReasons(log_, target.path, false);
}

bool RemovingDeleteActions::RemoveWithoutAttributes(const DeleteTarget& target, FsError& why) {
    std::uint32_t before = 0;
    const bool known = target.tree.GetAttributes(target.relative, before, why);
    if (!target.tree.SetAttributes(target.relative, kAttrSystem, why)) return false;
    if (target.tree.RemoveFolder(target.relative, why)) return true;
    // The folder stays, so it keeps what it had: a read-only folder must not stay writable.
    if (known) {
        const std::uint32_t kept = before & kSettableAttributes;
        FsError ignored = FsError::None;
        target.tree.SetAttributes(target.relative, kept != 0 ? kept : kAttrNormal, ignored);
    }
    return false;
}

void RemovingDeleteActions::Folder(const DeleteTarget& target, bool keepsEntries) {
    FsError why = FsError::None;
    bool removed = target.tree.RemoveFolder(target.relative, why);
    // A folder swapped for a link since it was listed goes as the link entry it now is; what it
    // points to stays.
    if (!removed && why == FsError::IsLink) removed = target.tree.RemoveFile(target.relative, why);
    if (!removed && why == FsError::NotFound) {
        CountDeleteOutcome(log_, Vol07Counter::FoldersNotExists, Vol07Category::FoldersNotExists,
                           target.path);
        return;
    }
    // A folder that still holds something cannot go however its attributes stand.
    if (!removed && readOnlyFolders_ && !keepsEntries)
        removed = RemoveWithoutAttributes(target, why);
    if (removed)
        CountDeleteOutcome(log_, Vol07Counter::FoldersDeleted, Vol07Category::FoldersDeleted,
                           target.path);
    else
        CountOtherReasons(log_, target.path, true);
}

void RemovingDeleteActions::Refused(const std::string& path, bool isFolder) {
    CountOtherReasons(log_, path, isFolder);
}

void ProbingDeleteActions::File(const DeleteTarget& target) {
    const std::string& path = target.path;
    // A link to a folder goes as an entry in the run, so it counts as a file here too.
    if (EntryExists(target))
        CountDeleteOutcome(log_, Vol07Counter::FilesDeleted, Vol07Category::FilesDeleted, path);
    else
        CountDeleteOutcome(log_, Vol07Counter::FilesNotExists, Vol07Category::FilesNotExists, path);
}

void ProbingDeleteActions::Folder(const DeleteTarget& target, bool keepsEntries) {
    const std::string& path = target.path;
    if (!EntryExists(target))
        CountDeleteOutcome(log_, Vol07Counter::FoldersNotExists, Vol07Category::FoldersNotExists,
                           path);
    else if (keepsEntries)
        CountOtherReasons(log_, path, true);
    else
        CountDeleteOutcome(log_, Vol07Counter::FoldersDeleted, Vol07Category::FoldersDeleted, path);
}

void ProbingDeleteActions::Refused(const std::string& path, bool isFolder) {
    CountOtherReasons(log_, path, isFolder);
}

bool RemovingDeleteActions::Stopping() {
    return log_.StopRequested();
}

bool ProbingDeleteActions::Stopping() {
    return log_.StopRequested();
}

}  // namespace arbovane
