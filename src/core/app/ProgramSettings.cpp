#include "core/app/ProgramSettings.h"

#include "core/app/DefaultExtensionLists.h"
#include "core/app/RestoreClass.h"
#include "core/app/SaveClass.h"
#include "core/paths/PathText.h"
#include "platform/FileSystem.h"

namespace arbovane {

const std::vector<std::string>& DefaultMarks() {
    static const std::vector<std::string> marks = {",", ";", "\"", "'", "|", "~", ":", "#",    "&",
                                                   "@", "$", "<",  ">", ".", "-", "_", "space"};
    return marks;
}

void Defaults(ProgramSettings& settings) {
    settings.separators = DefaultMarks();
    settings.quotationMarks = DefaultMarks();
    const auto append = [](std::vector<std::string>& list, const std::vector<std::string>& items) {
        list.insert(list.end(), items.begin(), items.end());
    };
    append(settings.filterList17, DefaultTextDocumentExtensions());
    append(settings.filterList18, DefaultBackupExtensions());
    append(settings.filterList19, DefaultBinaryExtensions());
    if (settings.selectedPatterns.empty()) settings.selectedPatterns.push_back("*.*");
}

void ClearLists(ProgramSettings& settings) {
    for (std::vector<std::string>* list :
         {&settings.separators, &settings.quotationMarks, &settings.selectedPatterns,
          &settings.namesMenu, &settings.filterList17, &settings.filterList18,
          &settings.filterList19, &settings.filterList22, &settings.filterList23,
          &settings.filterList26, &settings.filterList27, &settings.vol02Destinations,
          &settings.vol03Destinations})
        list->clear();
}

std::string SettingsPath(const std::string& defaultDirectory) {
    std::string path = defaultDirectory + "\\" + kSettingsFileName;
    // Collapsing the leading pair of "\\server\share" would turn it into a path on the current
    // drive.
    const std::size_t keep = defaultDirectory.starts_with("\\\\") ? 1 : 0;
    std::size_t at;
    while ((at = path.find("\\\\", keep)) != std::string::npos) path.erase(at, 1);
    return path;
}

void LoadOrCreateSettings(FileSystem& fs, Messenger& messenger, ProgramSettings& settings) {
    settings.programIdentifier = kProgramIdentifier;
    settings.programTitle = kProgramTitle;
    std::size_t length = 0;
    std::string current;
    if (!CaptureCurrentDirectory(fs, length, current)) current.clear();
    settings.defaultDirectory = current;

    std::string bytes;
    if (!fs.ReadWholeFile(SettingsPath(settings.defaultDirectory), bytes)) {
        Defaults(settings);
        SaveClass(fs, messenger).Save(settings);
        return;
    }
    ClearLists(settings);
    // The bytes are at hand already; reading the file a second time could only race with another
    // copy of the program.
    DecodeSettings(bytes, settings);
}

}  // namespace arbovane
