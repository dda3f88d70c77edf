#include "core/help/HelpEngine.h"

#include "core/paths/PathText.h"
#include "platform/FileSystem.h"
#include "platform/Messenger.h"

namespace arbovane {

bool HelpEngine::Close(const std::string& programIdentifier) {
    if (helpFile_.empty() || !fs_.IsFile(helpFile_)) return false;
    closedFor_ = programIdentifier;
    return true;
}

void CloseHelpAtExit(FileSystem& fs, Messenger& messenger, HelpEngine& help,
                     const std::string& defaultDirectory, const std::string& programIdentifier) {
    CurrentDirectoryGuard restore(fs);
    if (!defaultDirectory.empty()) fs.MakeCurrentDirectory(defaultDirectory);
    if (!help.Close(programIdentifier)) {
        messenger.Show(
            "Unable to activate help !\n\nThe help file could be damaged. \n\nE-mail us "
            "immediately, please!",
            "Severe Error!    Msg no: 0103.", kMsgError, MessageOwner::System);
    }
}

}  // namespace arbovane
