#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "core/app/ProgramSettings.h"
#include "core/app/SettingsRecord.h"

namespace arbovane::testing {

// The whole records of a settings file, in file order.
inline std::vector<SettingsRecord> RecordsOf(const std::string& bytes) {
    std::vector<SettingsRecord> records;
    for (std::size_t at = 0; at + 5312 <= bytes.size(); at += 5312)
        records.push_back(SettingsRecord::Parse(bytes.substr(at, 5312)));
    return records;
}

inline std::string FileOf(std::initializer_list<SettingsRecord> records) {
    std::string bytes;
    for (const SettingsRecord& record : records) record.AppendTo(bytes);
    return bytes;
}

// A store with every item set to a value of its own, none of them vacant.
inline ProgramSettings FullStore() {
    ProgramSettings s;
    s.programIdentifier = "ID";
    s.programTitle = "Title";
    s.defaultDirectory = "D:\\Work";
    s.selectedSeparator = ";";
    s.separators = {",", "space", "\xC3\xA9"};
    s.selectedQuotationMark = "\"";
    s.quotationMarks = {"'", "\""};
    s.filterNumber7 = -7;
    s.filterNumber8 = 8;
    s.selectionText = " *.txt ";
    s.selectedPatterns = {"*.txt", "*.doc"};
    s.namesMenu = {"Texts", "Documents"};
    s.filterNumber12 = 12;
    s.filterNumber13 = 13;
    s.filterNumber14 = 14;
    s.filterNumber15 = 15;
    s.filterText16 = "one.file";
    s.filterNumber16 = 16;
    s.filterList17 = {"txt", "ini"};
    s.filterList18 = {"bak"};
    s.filterList19 = {"exe", "dll", "zip"};
    s.filterNumber20 = 20;
    s.filterText21 = "twenty-one";
    s.filterList22 = {"l22"};
    s.filterList23 = {"l23a", "l23b"};
    s.filterNumber24 = INT32_MIN;
    s.filterText25 = "twenty-five";
    s.filterList26 = {"l26"};
    s.filterList27 = {"l27"};
    s.vol02Destinations = {"D:\\Clients", "E:\\Projects\\2024"};
    s.vol03Destinations = {"\\\\server\\share\\Years"};
    return s;
}

}  // namespace arbovane::testing
