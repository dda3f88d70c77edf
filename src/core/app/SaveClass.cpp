#include "core/app/SaveClass.h"

#include <vector>

#include "core/app/ProgramSettings.h"
#include "core/app/SettingsRecord.h"
#include "platform/FileSystem.h"
#include "platform/Messenger.h"

namespace arbovane {

namespace {

const char* const kMsg0130Text =
    "Unable to open output file to save settings !\n\nAction: Try to save again the settings, or "
    "\n\nimmediately e-mail us, please!";
const char* const kMsg0130Title = "Severe Error!    Msg no: 0130.";

class RecordWriter {
public:
    explicit RecordWriter(std::string& bytes) : bytes_(bytes) {}

    void Text(std::int32_t type, const char* name, const std::string& value) {
        SettingsRecord{type, name, value, 0}.AppendTo(bytes_);
    }
    // The file never carries these single texts empty: a vacant value is one blank.
    void NeverEmpty(std::int32_t type, const char* name, const std::string& value) {
        Text(type, name, value.empty() ? " " : value);
    }
    void BlankWhenVacant(std::int32_t type, const char* name, const std::string& value) {
        Text(type, name, IsOnlyBlanksAndControls(value) ? " " : value);
    }
    void List(std::int32_t type, const char* name, const std::vector<std::string>& items) {
        for (const std::string& item : items) Text(type, name, item);
    }
    void Number(std::int32_t type, const char* name, std::int32_t number) {
        SettingsRecord{type, name, "", number}.AppendTo(bytes_);
    }
    void TextAndNumber(std::int32_t type, const char* name, const std::string& value,
                       std::int32_t number) {
        SettingsRecord{type, name, value, number}.AppendTo(bytes_);
    }

private:
    std::string& bytes_;
};

std::size_t RecordCount(const ProgramSettings& s) {
    // 16 single records and the end marker.
    return 17 + s.separators.size() + s.quotationMarks.size() + s.selectedPatterns.size() +
           s.namesMenu.size() + s.filterList17.size() + s.filterList18.size() +
           s.filterList19.size() + s.filterList22.size() + s.filterList23.size() +
           s.filterList26.size() + s.filterList27.size() + s.vol02Destinations.size() +
           s.vol03Destinations.size();
}

}  // namespace

std::string EncodeSettings(const ProgramSettings& s) {
    std::string bytes;
    bytes.reserve(RecordCount(s) * SettingsRecord::kSize);
    RecordWriter w(bytes);
    w.NeverEmpty(1, "APPNAME", s.programIdentifier);
    w.NeverEmpty(2, "DEFDIRECTRY", s.defaultDirectory);
    w.NeverEmpty(3, "SELSEDELIM", s.selectedSeparator);
    w.List(4, "DELIMLIST", s.separators);
    w.NeverEmpty(5, "SELSEQUOT", s.selectedQuotationMark);
    w.List(6, "QUOTLIST", s.quotationMarks);
    w.Number(7, "FMNAMESRDO", s.filterNumber7);
    w.Number(8, "FMNAMESRDO", s.filterNumber8);
    w.BlankWhenVacant(9, "FMNAMESTXT", s.selectionText);
    w.List(10, "FMDEQINC", s.selectedPatterns);
    w.List(11, "FMDEQINC", s.namesMenu);
    w.Number(12, "FMALLTYPES", s.filterNumber12);
    w.Number(13, "FMINCTYPES", s.filterNumber13);
    w.Number(14, "FMINCTYPES", s.filterNumber14);
    w.Number(15, "FMONETYPES", s.filterNumber15);
    w.TextAndNumber(16, "FMONEFILE", s.filterText16, s.filterNumber16);
    w.List(17, "FMDEQINC", s.filterList17);
    w.List(18, "FMDEQEXC", s.filterList18);
    w.List(19, "FMDEQEXC", s.filterList19);
    w.Number(20, "FMINCCHECK", s.filterNumber20);
    w.BlankWhenVacant(21, "FMNAMESTXT", s.filterText21);
    w.List(22, "FMDEQINC", s.filterList22);
    w.List(23, "FMDEQINC", s.filterList23);
    w.Number(24, "FMINCCHECK", s.filterNumber24);
    w.BlankWhenVacant(25, "FMNAMESTXT", s.filterText25);
    w.List(26, "FMDEQINC", s.filterList26);
    w.List(27, "FMDEQINC", s.filterList27);
    w.List(28, "VOL02DEST", s.vol02Destinations);
    w.List(29, "VOL03DEST", s.vol03Destinations);
    w.Number(900, "VEGVEGEVE", 0);
    return bytes;
}

bool SaveClass::Save(const ProgramSettings& settings) {
    // An empty default directory would name the root of the current drive.
    if (!settings.defaultDirectory.empty() &&
        fs_.WriteWholeFile(SettingsPath(settings.defaultDirectory), EncodeSettings(settings)))
        return true;
    messenger_.Show(kMsg0130Text, kMsg0130Title, kMsgError, MessageOwner::System);
    return false;
}

}  // namespace arbovane
