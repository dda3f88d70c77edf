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
bool EntryExists(FileSystem& fs, const std::string& path) {
    std::uint32_t attributes = 0;
    return fs.GetAttributes(path, attributes);
}

}  // namespace

void CountDeleteOutcome(VisualLog& log, Vol07Counter counter, Vol07Category category,
                        const std::string& path) {
    log.Add(counter, 1);
    log.AddEntry(category, path);
    log.Refresh();
}

// The entry was just listed, so it is tried at once; only a failure asks whether it is still
// there.
bool RemovingDeleteActions::Exists(const std::string& path) {
    return EntryExists(fs_, path);
}

void RemovingDeleteActions::File(const std::string& path) {
    if (fs_.RemoveFile(path))
        CountDeleteOutcome(log_, Vol07Counter::FilesDeleted, Vol07Category::FilesDeleted, path);
    else if (!Exists(path))
        CountDeleteOutcome(log_, Vol07Counter::FilesNotExists, Vol07Category::FilesNotExists, path);
    else
        CountOtherReasons(log_, path, false);
}

bool RemovingDeleteActions::RemoveWithoutAttributes(const std::string& path) {
    std::uint32_t before = 0;
    const bool known = fs_.GetAttributes(path, before);
    if (!fs_.SetAttributes(path, kAttrSystem)) return false;
    if (fs_.RemoveEmptyFolder(path)) return true;
    // The folder stays, so it keeps what it had: a read-only folder must not stay writable.
    if (known) {
        const std::uint32_t kept = before & kSettableAttributes;
        fs_.SetAttributes(path, kept != 0 ? kept : kAttrNormal);
    }
    return false;
}

void RemovingDeleteActions::Folder(const std::string& path, bool keepsEntries) {
    bool removed = fs_.RemoveEmptyFolder(path);
    if (!removed && !Exists(path)) {
        CountDeleteOutcome(log_, Vol07Counter::FoldersNotExists, Vol07Category::FoldersNotExists,
                           path);
        return;
    }
    // A folder that still holds something cannot go however its attributes stand.
    if (!removed && readOnlyFolders_ && !keepsEntries) removed = RemoveWithoutAttributes(path);
    if (removed)
        CountDeleteOutcome(log_, Vol07Counter::FoldersDeleted, Vol07Category::FoldersDeleted, path);
    else
        CountOtherReasons(log_, path, true);
}

void RemovingDeleteActions::Refused(const std::string& path, bool isFolder) {
    CountOtherReasons(log_, path, isFolder);
}

void ProbingDeleteActions::File(const std::string& path) {
    // A link to a folder goes as an entry in the run, so it counts as a file here too.
    if (EntryExists(fs_, path))
        CountDeleteOutcome(log_, Vol07Counter::FilesDeleted, Vol07Category::FilesDeleted, path);
    else
        CountDeleteOutcome(log_, Vol07Counter::FilesNotExists, Vol07Category::FilesNotExists, path);
}

void ProbingDeleteActions::Folder(const std::string& path, bool keepsEntries) {
    if (!EntryExists(fs_, path))
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

}  // namespace arbovane
