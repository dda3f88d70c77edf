#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/ops/delete/DeleteActions.h"
#include "core/ops/delete/DeleteWalk.h"

namespace arbovane {

// The files matching the patterns directly inside one folder, pattern by pattern in list order;
// subfolders and their files stay. A file matching two patterns is reached by both. The base of
// SmartDeleteOne and of its simulation twin, which differ only in their actions.
class FolderFilesEngine {
public:
    virtual ~FolderFilesEngine() = default;
    FolderFilesEngine(const FolderFilesEngine&) = delete;
    FolderFilesEngine& operator=(const FolderFilesEngine&) = delete;

    const std::string& Folder() const { return folder_; }
    void Run();

protected:
    FolderFilesEngine(const DeleteEngineInputs& inputs, std::string folder,
                      std::unique_ptr<DeleteActions> actions);

private:
    FileSystem& fs_;
    std::vector<std::string> patterns_;
    std::string folder_;
    std::unique_ptr<DeleteActions> actions_;
    DeleteWalk walk_;
};

}  // namespace arbovane
