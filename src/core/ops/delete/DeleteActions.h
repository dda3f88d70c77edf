#pragma once

#include <string>

#include "core/visuallog/VisualLogIds.h"

namespace arbovane {

class FileSystem;
class VisualLog;

// One counted event: +1 on the counter, the path in its category, and a refresh.
void CountDeleteOutcome(VisualLog& log, Vol07Counter counter, Vol07Category category,
                        const std::string& path);

// What the walk does with each file and folder it reaches: the run deletes, the simulation only
// tests what exists. Each call counts exactly one outcome.
class DeleteActions {
public:
    virtual ~DeleteActions() = default;
    // A file or a link entry found by the walk.
    virtual void File(const std::string& path) = 0;
    // A folder whose turn to be removed has come (deepest first).
    virtual void Folder(const std::string& path) = 0;
};

// Deletes files and removes empty folders; with readOnlyFolders, a folder that refuses to go
// loses its attributes (the system attribute alone) and is tried once more.
class RemovingDeleteActions : public DeleteActions {
public:
    RemovingDeleteActions(FileSystem& fs, VisualLog& log, bool readOnlyFolders)
        : fs_(fs), log_(log), readOnlyFolders_(readOnlyFolders) {}

    void File(const std::string& path) override;
    void Folder(const std::string& path) override;

private:
    bool Exists(const std::string& path);

    FileSystem& fs_;
    VisualLog& log_;
    bool readOnlyFolders_;
};

// Counts what exists as if it were deleted; never calls a mutating FileSystem function.
class ProbingDeleteActions : public DeleteActions {
public:
    ProbingDeleteActions(FileSystem& fs, VisualLog& log) : fs_(fs), log_(log) {}

    void File(const std::string& path) override;
    void Folder(const std::string& path) override;

private:
    FileSystem& fs_;
    VisualLog& log_;
};

}  // namespace arbovane
