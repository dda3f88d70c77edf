#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace arbovane {

class FileSystem;
class Messenger;

inline constexpr const char* kProgramTitle = "Arbovane 8.20";
// The help file is closed under this name at exit.
inline constexpr const char* kProgramIdentifier = "ARBOVANE820";
inline constexpr const char* kSettingsFileName = "default.set";

// The process-wide values kept from one start to the next in "default.set". The number after a
// reserved item is the type of the record that carries it. The initial values are those of a start
// before anything was read.
struct ProgramSettings {
    std::string programIdentifier;
    std::string programTitle;  // not written to the file
    std::string defaultDirectory;

    std::string selectedSeparator;
    std::vector<std::string> separators;
    std::string selectedQuotationMark;
    std::vector<std::string> quotationMarks;

    // Reserved filter state: kept and written back, used by nothing else.
    std::int32_t filterNumber7 = 1;
    std::int32_t filterNumber8 = 0;

    // The file selection.
    std::string selectionText;
    std::vector<std::string> selectedPatterns;
    std::vector<std::string> namesMenu;

    std::int32_t filterNumber12 = 1;
    std::int32_t filterNumber13 = 0;
    std::int32_t filterNumber14 = 0;
    std::int32_t filterNumber15 = 0;
    std::string filterText16;
    std::int32_t filterNumber16 = 0;
    std::vector<std::string> filterList17;
    std::vector<std::string> filterList18;
    std::vector<std::string> filterList19;
    std::int32_t filterNumber20 = 0;
    std::string filterText21;
    std::vector<std::string> filterList22;
    std::vector<std::string> filterList23;
    std::int32_t filterNumber24 = 0;
    std::string filterText25;
    std::vector<std::string> filterList26;
    std::vector<std::string> filterList27;

    // Destination histories of the string-list and the increasing-numbers creation tabs.
    std::vector<std::string> vol02Destinations;
    std::vector<std::string> vol03Destinations;

    bool operator==(const ProgramSettings&) const = default;
};

// The 17 marks a first start offers as separators and as quotation marks, in their order.
const std::vector<std::string>& DefaultMarks();

// Fills the store for a first start; the identifier, the default directory and every value not
// named by a first start keep what they hold.
void Defaults(ProgramSettings& settings);
// Empties every list; single values stay.
void ClearLists(ProgramSettings& settings);

// defaultDirectory + "\default.set" with doubled backslashes collapsed; a network path keeps its
// leading pair.
std::string SettingsPath(const std::string& defaultDirectory);

// The settings file as the program last read or wrote it: where, its size and time, and the
// store it gave or was written from.
struct SettingsFileSeen {
    bool known = false;
    std::string path;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    ProgramSettings store;
};

// The folder whose settings file a start reads: the current directory, or the user's configuration
// folder when the current directory cannot be read or is too long for a path. False when neither
// is there.
bool StartSettingsFolder(FileSystem& fs, std::string& folder);

// Start-up: records the identifier, the title and StartSettingsFolder as the default directory,
// then reads the settings file there, or fills the defaults and writes a new file when it cannot
// be read or holds no whole record. A file larger than any the program writes is read up to the
// limit, after a warning. seen, when given, learns what the file holds afterwards.
void LoadOrCreateSettings(FileSystem& fs, Messenger& messenger, ProgramSettings& settings,
                          SettingsFileSeen* seen = nullptr);

// Closing: writes the store (SaveClass) unless nothing changed since the file was seen, neither
// the store nor the file, which then gives this store already; true when the file gives it.
bool SaveUnlessUnchanged(FileSystem& fs, Messenger& messenger, const ProgramSettings& settings,
                         SettingsFileSeen& seen);

}  // namespace arbovane
