#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "SettingsTestBytes.h"
#include "core/app/DefaultExtensionLists.h"
#include "core/app/ProgramSettings.h"
#include "core/app/RestoreClass.h"
#include "core/app/SaveClass.h"

namespace arbovane {
namespace {

using testing::FileOf;
using testing::FullStore;
using testing::RecordsOf;
using Lines = std::vector<std::string>;
using TextMember = std::string ProgramSettings::*;
using ListMember = std::vector<std::string> ProgramSettings::*;
using NumberMember = std::int32_t ProgramSettings::*;

// Every list of the store with the record type that carries its items.
const std::map<int, ListMember>& ListsByType() {
    static const std::map<int, ListMember> lists = {
        {4, &ProgramSettings::separators},         {6, &ProgramSettings::quotationMarks},
        {10, &ProgramSettings::selectedPatterns},  {11, &ProgramSettings::namesMenu},
        {17, &ProgramSettings::filterList17},      {18, &ProgramSettings::filterList18},
        {19, &ProgramSettings::filterList19},      {22, &ProgramSettings::filterList22},
        {23, &ProgramSettings::filterList23},      {26, &ProgramSettings::filterList26},
        {27, &ProgramSettings::filterList27},      {28, &ProgramSettings::vol02Destinations},
        {29, &ProgramSettings::vol03Destinations},
    };
    return lists;
}

const std::map<int, TextMember>& TextsByType() {
    static const std::map<int, TextMember> texts = {
        {1, &ProgramSettings::programIdentifier}, {2, &ProgramSettings::defaultDirectory},
        {3, &ProgramSettings::selectedSeparator}, {5, &ProgramSettings::selectedQuotationMark},
        {9, &ProgramSettings::selectionText},     {16, &ProgramSettings::filterText16},
        {21, &ProgramSettings::filterText21},     {25, &ProgramSettings::filterText25},
    };
    return texts;
}

const std::map<int, NumberMember>& NumbersByType() {
    static const std::map<int, NumberMember> numbers = {
        {7, &ProgramSettings::filterNumber7},   {8, &ProgramSettings::filterNumber8},
        {12, &ProgramSettings::filterNumber12}, {13, &ProgramSettings::filterNumber13},
        {14, &ProgramSettings::filterNumber14}, {15, &ProgramSettings::filterNumber15},
        {16, &ProgramSettings::filterNumber16}, {20, &ProgramSettings::filterNumber20},
        {24, &ProgramSettings::filterNumber24},
    };
    return numbers;
}

const SettingsRecord* FindRecord(const std::vector<SettingsRecord>& records, int type) {
    for (const SettingsRecord& record : records)
        if (record.type == type) return &record;
    return nullptr;
}

TEST(SettingsBlankRule, VacantSingleTextsAreWrittenAsOneBlank) {
    const struct {
        int type;
        std::string value, written, restored;
    } cases[] = {
        {1, "", " ", " "},
        {2, "", " ", " "},
        {3, "", " ", " "},
        {5, "", " ", " "},
        // Only an empty value counts as vacant for these four.
        {3, "  ", "  ", "  "},
        {5, "\t", "\t", "\t"},
        {9, "", " ", " "},
        {9, " \t\r\n\x01\x7F ", " ", " "},
        {9, "a ", "a ", "a "},
        {9, " *.txt\t", " *.txt\t", " *.txt\t"},
        {21, "", " ", ""},
        {21, "\x02  ", " ", ""},
        {21, "\t x \n", "\t x \n", "x"},
        {25, "", " ", ""},
        {25, " y", " y", "y"},
        // The text of record 16 has no blank rule.
        {16, "", "", ""},
        {16, " ", " ", " "},
    };
    for (const auto& c : cases) {
        ProgramSettings store;
        store.*TextsByType().at(c.type) = c.value;
        const std::string bytes = EncodeSettings(store);
        const std::vector<SettingsRecord> records = RecordsOf(bytes);
        const SettingsRecord* record = FindRecord(records, c.type);
        ASSERT_NE(record, nullptr) << c.type;
        EXPECT_EQ(record->value, c.written) << c.type << " [" << c.value << "]";

        ProgramSettings restored;
        DecodeSettings(bytes, restored);
        EXPECT_EQ(restored.*TextsByType().at(c.type), c.restored)
            << c.type << " [" << c.value << "]";
    }
}

TEST(DecodeSettings, SingleValuesAreReplacedAndListItemsAppended) {
    ProgramSettings store;
    store.separators = {"old"};
    store.selectedSeparator = "old";
    DecodeSettings(FileOf({{3, "SELSEDELIM", "first", 0},
                           {4, "DELIMLIST", "a", 99},
                           {3, "SELSEDELIM", "second", 0},
                           {4, "DELIMLIST", "b", 0},
                           {4, "DELIMLIST", "", 0},
                           {7, "FMNAMESRDO", "ignored text", -3},
                           {9, "FMNAMESTXT", "  kept as it stands ", 5},
                           {16, "FMONEFILE", "both", 77},
                           {21, "FMNAMESTXT", " \ttrimmed\n", 0},
                           {28, "VOL02DEST", "D:\\A", 0},
                           {29, "VOL03DEST", "E:\\B", 0},
                           {28, "VOL02DEST", "D:\\C", 0}}),
                   store);
    EXPECT_EQ(store.selectedSeparator, "second");
    EXPECT_EQ(store.separators, (Lines{"old", "a", "b", ""}));
    EXPECT_EQ(store.filterNumber7, -3);
    EXPECT_EQ(store.selectionText, "  kept as it stands ");
    EXPECT_EQ(store.filterText16, "both");
    EXPECT_EQ(store.filterNumber16, 77);
    EXPECT_EQ(store.filterText21, "trimmed");
    EXPECT_EQ(store.vol02Destinations, (Lines{"D:\\A", "D:\\C"}));
    EXPECT_EQ(store.vol03Destinations, (Lines{"E:\\B"}));
}

TEST(DecodeSettings, EachListTypeFeedsItsOwnList) {
    for (const auto& [type, list] : ListsByType()) {
        ProgramSettings store;
        ClearLists(store);
        DecodeSettings(FileOf({{type, "LIST", "one", 0}, {type, "LIST", "two", 0}}), store);
        ProgramSettings expected;
        ClearLists(expected);
        expected.*list = {"one", "two"};
        EXPECT_EQ(store, expected) << type;
    }
    for (const auto& [type, number] : NumbersByType()) {
        ProgramSettings store;
        DecodeSettings(FileOf({{type, "NUMBER", "", 1000 + type}}), store);
        ProgramSettings expected;
        expected.*number = 1000 + type;
        EXPECT_EQ(store, expected) << type;
    }
}

TEST(DecodeSettings, UnknownTypesAndTheEndMarkerChangeNothing) {
    const int types[] = {0, 30, 899, 900, 901, -1, INT32_MIN, INT32_MAX, 0x0100};
    for (int type : types) {
        ProgramSettings store = FullStore();
        DecodeSettings(FileOf({{type, "JUNK", "junk", 123}}), store);
        EXPECT_EQ(store, FullStore()) << type;
    }
    ProgramSettings store;
    ClearLists(store);
    DecodeSettings(FileOf({{3, "SELSEDELIM", "x", 0},
                           {30, "NEWER", "junk", 1},
                           {899, "NEWER", "junk", 2},
                           {4, "DELIMLIST", "y", 0}}),
                   store);
    EXPECT_EQ(store.selectedSeparator, "x");
    EXPECT_EQ(store.separators, (Lines{"y"}));
}

TEST(DecodeSettings, APartialLastRecordIsIgnored) {
    const std::string whole = FileOf(
        {{4, "DELIMLIST", "a", 0}, {4, "DELIMLIST", "b", 0}, {3, "SELSEDELIM", "broken", 0}});
    const struct {
        std::size_t length;
        Lines separators;
        std::string selected;
    } cases[] = {
        {0, {}, ""},
        {100, {}, ""},
        {5311, {}, ""},
        {5312, {"a"}, ""},
        {5313, {"a"}, ""},
        {2 * 5312 - 1, {"a"}, ""},
        {2 * 5312, {"a", "b"}, ""},
        {2 * 5312 + 14 + 6, {"a", "b"}, ""},
        {3 * 5312 - 1, {"a", "b"}, ""},
        {3 * 5312, {"a", "b"}, "broken"},
    };
    for (const auto& c : cases) {
        ProgramSettings store;
        ClearLists(store);
        DecodeSettings(whole.substr(0, c.length), store);
        EXPECT_EQ(store.separators, c.separators) << c.length;
        EXPECT_EQ(store.selectedSeparator, c.selected) << c.length;
    }
}

TEST(DecodeSettings, AFileWithoutEndMarkerLoadsTheSame) {
    ProgramSettings first;
    first.programIdentifier = "ARBOVANE820";
    first.defaultDirectory = "D:\\";
    Defaults(first);
    const std::string bytes = EncodeSettings(first);
    ASSERT_EQ(RecordsOf(bytes).back().type, 900);

    ProgramSettings withMarker, withoutMarker;
    ClearLists(withMarker);
    ClearLists(withoutMarker);
    DecodeSettings(bytes, withMarker);
    DecodeSettings(bytes.substr(0, bytes.size() - 5312), withoutMarker);
    EXPECT_EQ(withMarker, withoutMarker);
    EXPECT_EQ(withMarker.separators.size(), 17u);
}

TEST(EncodeSettings, EmptyListsWriteNoRecord) {
    ProgramSettings store;
    ClearLists(store);
    std::vector<int> types;
    for (const SettingsRecord& record : RecordsOf(EncodeSettings(store)))
        types.push_back(record.type);
    EXPECT_EQ(types,
              (std::vector<int>{1, 2, 3, 5, 7, 8, 9, 12, 13, 14, 15, 16, 20, 21, 24, 25, 900}));
}

TEST(EncodeSettings, OverLongTextsAreCutTo5261Bytes) {
    ProgramSettings store;
    store.vol02Destinations = {std::string(6000, 'x'), "short"};
    store.selectionText = std::string(5260, 'a') + "\xC3\xA9\xC3\xA9";
    store.defaultDirectory = std::string(5261, 'd');
    const std::string bytes = EncodeSettings(store);
    EXPECT_EQ(bytes.size() % 5312, 0u);

    ProgramSettings restored;
    ClearLists(restored);
    DecodeSettings(bytes, restored);
    EXPECT_EQ(restored.vol02Destinations, (Lines{std::string(5261, 'x'), "short"}));
    EXPECT_EQ(restored.selectionText, std::string(5260, 'a'));
    EXPECT_EQ(restored.defaultDirectory, std::string(5261, 'd'));
}

TEST(SettingsPath, JoinsTheFileNameWithOneBackslash) {
    const struct {
        std::string directory, path;
    } cases[] = {
        {"D:\\", "D:\\default.set"},
        {"D:\\Some", "D:\\Some\\default.set"},
        {"D:\\Some\\", "D:\\Some\\default.set"},
        {"D:\\\\a\\\\\\\\b\\\\", "D:\\a\\b\\default.set"},
        {"", "\\default.set"},
        {"\\", "\\default.set"},
        {"\\\\server\\share", "\\\\server\\share\\default.set"},
        {"\\\\\\server\\\\share\\", "\\\\server\\share\\default.set"},
    };
    for (const auto& c : cases) EXPECT_EQ(SettingsPath(c.directory), c.path) << c.directory;
}

TEST(DefaultsAndClearLists, FirstStartValuesAndWhatClearingKeeps) {
    ProgramSettings store;
    store.programIdentifier = "ID";
    store.defaultDirectory = "D:\\Some";
    Defaults(store);
    EXPECT_EQ(store.separators, (Lines{",", ";", "\"", "'", "|", "~", ":", "#", "&", "@", "$", "<",
                                       ">", ".", "-", "_", "space"}));
    EXPECT_EQ(store.quotationMarks, store.separators);
    EXPECT_EQ(store.selectedPatterns, (Lines{"*.*"}));
    EXPECT_EQ(store.filterList18, (Lines{"bak", "nt", "old", "org", "sav"}));
    EXPECT_EQ(store.filterList17.size(), 172u);
    EXPECT_EQ(store.filterList19.size(), 215u);
    EXPECT_EQ(store.programIdentifier, "ID");
    EXPECT_EQ(store.defaultDirectory, "D:\\Some");
    for (const auto& [type, number] : NumbersByType())
        EXPECT_EQ(store.*number, type == 7 || type == 12 ? 1 : 0) << type;

    // A pattern already chosen is kept.
    ProgramSettings chosen;
    chosen.selectedPatterns = {"*.txt"};
    chosen.separators = {"stale"};
    Defaults(chosen);
    EXPECT_EQ(chosen.selectedPatterns, (Lines{"*.txt"}));
    EXPECT_EQ(chosen.separators.size(), 17u);

    ProgramSettings cleared = FullStore();
    ClearLists(cleared);
    ProgramSettings expected = FullStore();
    for (const auto& [type, list] : ListsByType()) expected.*list = {};
    EXPECT_EQ(cleared, expected);
}

TEST(DefaultExtensionLists, ExactCountsRealNamesNoDuplicates) {
    const struct {
        const Lines& list;
        std::size_t count;
        Lines first, last;
    } cases[] = {
        {DefaultTextDocumentExtensions(),
         172,
         {"doc", "pdf", "acp", "adm", "adp"},
         {"xul", "y", "yy"}},
        {DefaultBackupExtensions(), 5, {"bak", "nt", "old", "org", "sav"}, {"old", "org", "sav"}},
        {DefaultBinaryExtensions(),
         215,
         {"exe", "com", "zip", "rtf", "323"},
         {"xpt", "xls", "xlt"}},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(c.list.size(), c.count);
        EXPECT_EQ(Lines(c.list.begin(), c.list.begin() + 5), c.first);
        EXPECT_EQ(Lines(c.list.end() - 3, c.list.end()), c.last);
        EXPECT_EQ(std::set<std::string>(c.list.begin(), c.list.end()).size(), c.count);
        for (const std::string& ext : c.list) {
            EXPECT_TRUE(!ext.empty() && ext.size() <= 10) << ext;
            EXPECT_TRUE(std::all_of(ext.begin(), ext.end(), [](char ch) {
                return (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9');
            })) << ext;
        }
    }
}

// Random files built from records of known and unknown types, cut at random lengths. Whatever the
// bytes, decoding must neither crash nor produce an over-long text, and every list must have grown
// by exactly the number of whole records of its type.
TEST(DecodeSettings, RandomBytesNeverBreakTheStore) {
    std::mt19937 random(20240611);
    const int knownTypes[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                              16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 900};
    const int otherTypes[] = {0, 30, 899, 901, -1, INT32_MIN, INT32_MAX, 256, 65540};
    const auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };

    for (int round = 0; round < 3000; ++round) {
        const std::size_t recordCount = pick(7);
        std::string bytes;
        std::vector<int> types;
        for (std::size_t i = 0; i < recordCount; ++i) {
            std::string record(5312, '\0');
            for (std::size_t at = 0; at < record.size(); at += 4) {
                const std::uint32_t word = random();
                for (std::size_t b = 0; b < 4; ++b)
                    record[at + b] = static_cast<char>((word >> (8 * b)) & 0xFF);
            }
            const int type = pick(4) == 0 ? otherTypes[pick(std::size(otherTypes))]
                                          : knownTypes[pick(std::size(knownTypes))];
            const auto bits = static_cast<std::uint32_t>(type);
            for (int b = 0; b < 4; ++b) record[b] = static_cast<char>((bits >> (8 * b)) & 0xFF);
            switch (pick(3)) {
                case 0:  // no zero byte anywhere in the value field
                    for (std::size_t at = 14; at < 5276; ++at)
                        if (record[at] == '\0') record[at] = 'z';
                    break;
                case 1:  // a zero byte somewhere inside it
                    record[14 + pick(5262)] = '\0';
                    break;
                default:  // whatever the random bytes hold
                    break;
            }
            bytes += record;
            types.push_back(type);
        }
        switch (pick(4)) {
            case 0:
                bytes.resize(std::min<std::size_t>(bytes.size(), 5311));
                break;
            case 1:
                if (!bytes.empty()) bytes.resize(pick(bytes.size()));
                break;
            case 2:
                bytes += std::string(pick(5312), '\x01');
                break;
            default:  // exactly 5312 * k bytes
                break;
        }

        ProgramSettings store = pick(2) == 0 ? FullStore() : ProgramSettings();
        const ProgramSettings before = store;
        DecodeSettings(bytes, store);

        std::map<int, std::size_t> wholeRecords;
        for (std::size_t i = 0; i < types.size() && (i + 1) * 5312 <= bytes.size(); ++i)
            ++wholeRecords[types[i]];
        for (const auto& [type, list] : ListsByType()) {
            const Lines& grown = store.*list;
            const Lines& was = before.*list;
            ASSERT_EQ(grown.size(), was.size() + wholeRecords[type]) << round << " type " << type;
            ASSERT_TRUE(std::equal(was.begin(), was.end(), grown.begin())) << round;
            for (const std::string& item : grown) ASSERT_LE(item.size(), 5262u) << round;
        }
        for (const auto& [type, text] : TextsByType()) {
            ASSERT_LE((store.*text).size(), 5262u) << round;
            if (wholeRecords[type] == 0) {
                ASSERT_EQ(store.*text, before.*text) << round;
            }
        }
        for (const auto& [type, number] : NumbersByType()) {
            if (wholeRecords[type] == 0) {
                ASSERT_EQ(store.*number, before.*number) << round;
            }
        }
        ASSERT_EQ(store.programTitle, before.programTitle);
    }
}

}  // namespace
}  // namespace arbovane
