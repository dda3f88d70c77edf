#pragma once

#include <cstdint>
#include <string>

#include "core/visuallog/VisualLogIds.h"
#include "platform/FileSystem.h"

namespace arbovane {

class FileSystem;
class FolderTree;
class VisualLog;

// An entry the walk reached: the tree of its main folder, its path relative to it, and its full
// path for the log.
struct DeleteTarget {
    FolderTree& tree;
    const std::string& relative;
    const std::string& path;
};

// One counted event: +1 on the counter, the path in its category, and a refresh.
void CountDeleteOutcome(VisualLog& log, Vol07Counter counter, Vol07Category category,
                        const std::string& path);

// What the walk does with each entry it reaches: the run deletes, the simulation only tests what
// exists, the to-delete counters count. Each call stands for exactly one outcome, so the three
// cannot disagree about what a link, an unreadable folder or an odd name is.
class DeleteActions {
public:
    virtual ~DeleteActions() = default;
    // A file or a link entry found by the walk.
    virtual void File(const DeleteTarget& target) = 0;
    // A folder whose turn to be removed has come (deepest first). keepsEntries: the walk left
    // something in it (an entry it refused, a folder it could not list), so it cannot go empty.
    virtual void Folder(const DeleteTarget& target, bool keepsEntries) = 0;
    // An entry the walk will not touch: a folder it could not list, or a name that would reach
    // another entry.
    virtual void Refused(const std::string& path, bool isFolder) = 0;
    // Asked between two entries: true ends the walk (the user stopped the run).
    virtual bool Stopping() { return false; }
};

// Deletes files and removes empty folders; with readOnlyFolders, a folder that refuses to go
// loses its attributes (the system attribute alone), is tried once more, and gets them back when
// it stays.
class RemovingDeleteActions : public DeleteActions {
public:
    RemovingDeleteActions(VisualLog& log, bool readOnlyFolders)
        : log_(log), readOnlyFolders_(readOnlyFolders) {}

    void File(const DeleteTarget& target) override;
    void Folder(const DeleteTarget& target, bool keepsEntries) override;
    void Refused(const std::string& path, bool isFolder) override;
    bool Stopping() override;

private:
    // The second try of the read-only option.
    bool RemoveWithoutAttributes(const DeleteTarget& target, FsError& why);

    VisualLog& log_;
    bool readOnlyFolders_;
};

// Counts what exists as the run would find it; never calls a mutating FileSystem function.
class ProbingDeleteActions : public DeleteActions {
public:
    explicit ProbingDeleteActions(VisualLog& log) : log_(log) {}

    void File(const DeleteTarget& target) override;
    void Folder(const DeleteTarget& target, bool keepsEntries) override;
    void Refused(const std::string& path, bool isFolder) override;
    bool Stopping() override;

private:
    VisualLog& log_;
};

// The to-delete counters: one folder or file for every outcome a run would give.
class CountingDeleteActions : public DeleteActions {
public:
    void File(const DeleteTarget&) override { ++files_; }
    void Folder(const DeleteTarget&, bool) override { ++folders_; }
    void Refused(const std::string&, bool isFolder) override { ++(isFolder ? folders_ : files_); }

    std::uint64_t Folders() const { return folders_; }
    std::uint64_t Files() const { return files_; }

private:
    std::uint64_t folders_ = 0;
    std::uint64_t files_ = 0;
};

}  // namespace arbovane
