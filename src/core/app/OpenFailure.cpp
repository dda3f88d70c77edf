#include "core/app/OpenFailure.h"

#include <cstdint>

#include "platform/FileSystem.h"
#include "platform/Messenger.h"

namespace arbovane {

namespace {

const char* const kOpenFailedText = "The program could not open :\n";
const char* const kOpenFailedTitle = "Open a Folder or File.            Warning no: 0601.";

// The shell gives no reason of its own; what the file system says about the target is the best
// guess at one.
std::string ReasonFor(FileSystem& fs, const std::string& target) {
    if (target.find("://") != std::string::npos)
        return "Reason : No program is set up to open this address.";
    std::uint32_t attributes = 0;
    if (!fs.GetAttributes(target, attributes)) return "Reason : It does not exist.";
    if (fs.IsFolder(target)) return "Reason : No file manager is set up to open folders.";
    if ((attributes & kAttrDirectory) != 0) return "Reason : You may not open this folder.";
    return "Reason : No program is set up to open this kind of file.";
}

}  // namespace

OpenFailure OpenFailureFor(FileSystem& fs, const std::string& target) {
    return {kOpenFailedText + target + "\n\n" + ReasonFor(fs, target), kOpenFailedTitle,
            kMsgWarning};
}

}  // namespace arbovane
