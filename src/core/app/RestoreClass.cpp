#include "core/app/RestoreClass.h"

#include <string_view>

#include "core/app/ProgramSettings.h"
#include "core/app/SettingsRecord.h"
#include "core/paths/PathText.h"
#include "platform/FileSystem.h"

namespace arbovane {

namespace {

// One line per record type keeps this readable against the table of types.
// clang-format off
void Apply(const SettingsRecord& r, ProgramSettings& s) {
    switch (r.type) {
        case 1: s.programIdentifier = r.value; break;
        case 2: s.defaultDirectory = r.value; break;
        case 3: s.selectedSeparator = r.value; break;
        case 4: s.separators.push_back(r.value); break;
        case 5: s.selectedQuotationMark = r.value; break;
        case 6: s.quotationMarks.push_back(r.value); break;
        case 7: s.filterNumber7 = r.number; break;
        case 8: s.filterNumber8 = r.number; break;
        case 9: s.selectionText = r.value; break;
        case 10: s.selectedPatterns.push_back(r.value); break;
        case 11: s.namesMenu.push_back(r.value); break;
        case 12: s.filterNumber12 = r.number; break;
        case 13: s.filterNumber13 = r.number; break;
        case 14: s.filterNumber14 = r.number; break;
        case 15: s.filterNumber15 = r.number; break;
        case 16: s.filterText16 = r.value; s.filterNumber16 = r.number; break;
        case 17: s.filterList17.push_back(r.value); break;
        case 18: s.filterList18.push_back(r.value); break;
        case 19: s.filterList19.push_back(r.value); break;
        case 20: s.filterNumber20 = r.number; break;
        case 21: s.filterText21 = TrimBlanksAndControls(r.value); break;
        case 22: s.filterList22.push_back(r.value); break;
        case 23: s.filterList23.push_back(r.value); break;
        case 24: s.filterNumber24 = r.number; break;
        case 25: s.filterText25 = TrimBlanksAndControls(r.value); break;
        case 26: s.filterList26.push_back(r.value); break;
        case 27: s.filterList27.push_back(r.value); break;
        case 28: s.vol02Destinations.push_back(r.value); break;
        case 29: s.vol03Destinations.push_back(r.value); break;
        default: break;  // the end marker, and types this version does not know
    }
}
// clang-format on

}  // namespace

void DecodeSettings(const std::string& bytes, ProgramSettings& settings) {
    const std::string_view all(bytes);
    for (std::size_t at = 0; all.size() - at >= SettingsRecord::kSize; at += SettingsRecord::kSize)
        Apply(SettingsRecord::Parse(all.substr(at, SettingsRecord::kSize)), settings);
}

SettingsRead ReadSettingsFile(FileSystem& fs, const std::string& directory,
                              ProgramSettings& settings, bool clearLists) {
    std::string bytes;
    const FileSystem::ReadOutcome outcome =
        fs.ReadFileUpTo(SettingsPath(directory), kSettingsReadLimit, bytes);
    if (outcome == FileSystem::ReadOutcome::Failed) return SettingsRead::Unreadable;
    // An empty or cut file would otherwise read as a store without any list, which the next save
    // would then write over the user's lists.
    if (bytes.size() < SettingsRecord::kSize) return SettingsRead::NoWholeRecord;
    if (clearLists) ClearLists(settings);
    DecodeSettings(bytes, settings);
    if (!IsExistingFolder(fs, settings.defaultDirectory)) settings.defaultDirectory = directory;
    return outcome == FileSystem::ReadOutcome::TooLarge ? SettingsRead::TooLarge
                                                        : SettingsRead::Read;
}

bool RestoreClass::Restore(ProgramSettings& settings) {
    const SettingsRead read =
        ReadSettingsFile(fs_, settings.defaultDirectory, settings, /*clearLists=*/false);
    return read == SettingsRead::Read || read == SettingsRead::TooLarge;
}

}  // namespace arbovane
