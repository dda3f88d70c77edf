#pragma once

#include <memory>
#include <string>

#include "platform/ForwardingFileSystem.h"

namespace arbovane {

class JournalWriter;

// Writes every change of a run into its journal file ahead of the change: an entry about to be
// made (folder, file, rename) before the call that makes it, and what came of it after; an undo's
// deletions and renames back the same way. The engines journal what they made as before; this is
// what survives when the program does not.
class JournallingFileSystem : public ForwardingFileSystem {
public:
    enum class Mode { Run, Undo };

    JournallingFileSystem(FileSystem& inner, JournalWriter& writer, Mode mode = Mode::Run)
        : ForwardingFileSystem(inner), writer_(writer), mode_(mode) {}

    std::unique_ptr<FolderTree> OpenTree(const std::string& root, FsError& why,
                                         bool refuseLinkRoot = false) override;
    // The parents it makes on the way are not named one by one; the runs make folders one at a
    // time.
    bool CreateFolderTree(const std::string& path) override;
    CreateOutcome CreateFolder(const std::string& path) override;
    CreateOutcome CopyNewFile(const std::string& source, const std::string& target,
                              FileStamp& stamp) override;
    bool CopyFileNoOverwrite(const std::string& source, const std::string& target) override;
    bool MoveFolderNoReplace(const std::string& source, const std::string& target) override;
    bool RemoveFile(const std::string& path) override;

    // For its trees.
    CreateOutcome Made(const std::string& path, CreateOutcome outcome, const FileStamp* stamp);
    void FolderAhead(const std::string& path);
    void FileAhead(const std::string& path);
    Mode RunMode() const { return mode_; }
    JournalWriter& Writer() { return writer_; }

private:
    JournalWriter& writer_;
    Mode mode_;
};

}  // namespace arbovane
