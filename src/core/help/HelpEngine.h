#pragma once

#include <string>

namespace arbovane {

class FileSystem;
class Messenger;

// The program's help: a user guide shipped beside the executable. The program sets it at start and
// closes it at exit.
class HelpEngine {
public:
    explicit HelpEngine(FileSystem& fs) : fs_(fs) {}

    void SetHelpFile(const std::string& path) { helpFile_ = path; }
    const std::string& HelpFile() const { return helpFile_; }
    // False when no help file was set or it cannot be found any more (a damaged installation).
    bool Close(const std::string& programIdentifier);
    const std::string& ClosedFor() const { return closedFor_; }

private:
    FileSystem& fs_;
    std::string helpFile_;
    std::string closedFor_;
};

// The exit step: closes the help from inside the default directory, shows 0103 when that fails,
// and leaves the current directory as it found it.
void CloseHelpAtExit(FileSystem& fs, Messenger& messenger, HelpEngine& help,
                     const std::string& defaultDirectory, const std::string& programIdentifier);

}  // namespace arbovane
