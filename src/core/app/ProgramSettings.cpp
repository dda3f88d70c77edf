#include "core/app/ProgramSettings.h"

#include "core/app/DefaultExtensionLists.h"
#include "core/app/RestoreClass.h"
#include "core/app/SaveClass.h"
#include "core/paths/PathText.h"
#include "platform/FileSystem.h"
#include "platform/Messenger.h"

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

namespace {

const char* const kMsg0131Before = "The settings file\n";
const char* const kMsg0131After =
    "\nis larger than any settings file this program writes. Only its first 1024 MB were read; "
    "the file is written again only when the settings change.";
const char* const kMsg0131Title = "Settings.            Warning no: 0131.";

// The file at path as it stands now, holding what store gives.
void Remember(FileSystem& fs, const std::string& path, const ProgramSettings& store,
              SettingsFileSeen& seen) {
    FileStamp stamp;
    seen.known = fs.GetFileStamp(path, stamp);
    seen.path = path;
    seen.size = stamp.size;
    seen.modifiedNs = stamp.modifiedNs;
    seen.store = store;
}

}  // namespace

bool StartSettingsFolder(FileSystem& fs, std::string& folder) {
    std::size_t length = 0;
    std::string current;
    if (CaptureCurrentDirectory(fs, length, current)) {
        folder = current;
        return true;
    }
    // Never the root of the drive, which an empty directory would name.
    return fs.ConfigurationFolder(folder);
}

void LoadOrCreateSettings(FileSystem& fs, Messenger& messenger, ProgramSettings& settings,
                          SettingsFileSeen* seen) {
    settings.programIdentifier = kProgramIdentifier;
    settings.programTitle = kProgramTitle;
    std::string folder;
    if (!StartSettingsFolder(fs, folder)) folder.clear();
    settings.defaultDirectory = folder;

    const std::string path = SettingsPath(folder);
    // The bytes are read once: reading the file a second time could only race with another copy
    // of the program.
    const SettingsRead read = folder.empty()
                                  ? SettingsRead::Unreadable
                                  : ReadSettingsFile(fs, folder, settings, /*clearLists=*/true);
    if (read == SettingsRead::Unreadable || read == SettingsRead::NoWholeRecord) {
        Defaults(settings);
        if (SaveClass(fs, messenger).Save(settings) && seen) Remember(fs, path, settings, *seen);
        return;
    }
    if (read == SettingsRead::TooLarge)
        messenger.Show(kMsg0131Before + path + kMsg0131After, kMsg0131Title, kMsgWarning,
                       MessageOwner::System);
    if (seen) Remember(fs, path, settings, *seen);
}

bool SaveUnlessUnchanged(FileSystem& fs, Messenger& messenger, const ProgramSettings& settings,
                         SettingsFileSeen& seen) {
    const std::string path = SettingsPath(settings.defaultDirectory);
    FileStamp stamp;
    // Rewriting an unchanged store would write hundreds of megabytes for nothing. Another copy of
    // the program, or the user, may have changed the file since: then it is written, as always.
    if (seen.known && seen.path == path && settings == seen.store && fs.GetFileStamp(path, stamp) &&
        stamp.size == seen.size && stamp.modifiedNs == seen.modifiedNs)
        return true;
    if (!SaveClass(fs, messenger).Save(settings)) return false;
    Remember(fs, path, settings, seen);
    return true;
}

}  // namespace arbovane
