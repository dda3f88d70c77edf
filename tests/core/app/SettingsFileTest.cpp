#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>

#include "SettingsTestBytes.h"
#include "core/app/ProgramSettings.h"
#include "core/app/RestoreClass.h"
#include "core/app/SaveClass.h"
#include "support/FaultyFileSystem.h"
#include "support/HostOnly.h"
#include "support/ScriptedMessenger.h"
#include "support/TempDrives.h"

namespace arbovane {
namespace {

using testing::FaultyFileSystem;
using testing::FileOf;
using testing::FullStore;
using testing::RecordsOf;
using testing::ScriptedMessenger;
using testing::ShownMessage;
using testing::TempDrives;
using Lines = std::vector<std::string>;

void ExpectMessage0130(const ShownMessage& shown) {
    EXPECT_EQ(shown.text,
              "Unable to open output file to save settings !\n\nAction: Try to save again the "
              "settings, or \n\nimmediately e-mail us, please!");
    EXPECT_EQ(shown.title, "Severe Error!    Msg no: 0130.");
    EXPECT_EQ(shown.flags, 16);
    EXPECT_EQ(shown.owner, MessageOwner::System);
}

class SettingsFileTest : public ::testing::Test {
protected:
    SettingsFileTest() : hostD_(drives_.Map('D')), hostE_(drives_.Map('E')) {}
    // The tests move the process's current directory; later tests must not inherit it.
    ~SettingsFileTest() override {
        std::error_code ec;
        std::filesystem::current_path(startDirectory_, ec);
    }

    FileSystem& Fs() { return drives_.Fs(); }
    void Enter(const std::string& folder) {
        ASSERT_TRUE(Fs().CreateFolderTree(folder)) << folder;
        ASSERT_TRUE(Fs().MakeCurrentDirectory(folder)) << folder;
    }
    static bool HostFileExists(const std::string& hostPath) {
        return std::filesystem::is_regular_file(hostPath);
    }

    const std::filesystem::path startDirectory_ = std::filesystem::current_path();
    TempDrives drives_;
    const std::string hostD_;
    const std::string hostE_;
    ScriptedMessenger messenger_;
};

// Type, name and value of every record a first start in directory writes, in file order.
std::vector<SettingsRecord> FirstStartRecords(const std::string& directory) {
    const Lines marks = {",", ";", "\"", "'", "|", "~", ":", "#",    "&",
                         "@", "$", "<",  ">", ".", "-", "_", "space"};
    std::vector<SettingsRecord> expected = {{1, "APPNAME", "ARBOVANE820", 0},
                                            {2, "DEFDIRECTR", directory, 0},
                                            {3, "SELSEDELIM", " ", 0}};
    for (const std::string& mark : marks) expected.push_back({4, "DELIMLIST", mark, 0});
    expected.push_back({5, "SELSEQUOT", " ", 0});
    for (const std::string& mark : marks) expected.push_back({6, "QUOTLIST", mark, 0});
    expected.insert(expected.end(), {{7, "FMNAMESRDO", "", 1},
                                     {8, "FMNAMESRDO", "", 0},
                                     {9, "FMNAMESTXT", " ", 0},
                                     {10, "FMDEQINC", "*.*", 0},
                                     {12, "FMALLTYPES", "", 1},
                                     {13, "FMINCTYPES", "", 0},
                                     {14, "FMINCTYPES", "", 0},
                                     {15, "FMONETYPES", "", 0},
                                     {16, "FMONEFILE", "", 0}});
    // The extension lists are checked by count and ends; their values are taken as written.
    for (int i = 0; i < 172; ++i) expected.push_back({17, "FMDEQINC", "?", 0});
    for (const char* ext : {"bak", "nt", "old", "org", "sav"})
        expected.push_back({18, "FMDEQEXC", ext, 0});
    for (int i = 0; i < 215; ++i) expected.push_back({19, "FMDEQEXC", "?", 0});
    expected.insert(expected.end(), {{20, "FMINCCHECK", "", 0},
                                     {21, "FMNAMESTXT", " ", 0},
                                     {24, "FMINCCHECK", "", 0},
                                     {25, "FMNAMESTXT", " ", 0},
                                     {900, "VEGVEGEVE", "", 0}});
    return expected;
}

Lines ValuesOfType(const std::vector<SettingsRecord>& records, int type) {
    Lines values;
    for (const SettingsRecord& record : records)
        if (record.type == type) values.push_back(record.value);
    return values;
}

TEST_F(SettingsFileTest, FirstStartWritesTheDefaultsAtOnce) {
    const struct {
        std::string current;
        std::string hostFile;
    } cases[] = {
        {"D:\\Some", "/Some/default.set"},
        // A drive root already ends in a backslash; the path must not double it.
        {"D:\\", "/default.set"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.current);
        Enter(c.current);
        ProgramSettings store;
        LoadOrCreateSettings(Fs(), messenger_, store);
        EXPECT_TRUE(messenger_.Shown().empty());
        EXPECT_EQ(store.programIdentifier, "ARBOVANE820");
        EXPECT_EQ(store.programTitle, "Arbovane 8.20");
        EXPECT_EQ(store.defaultDirectory, c.current);

        ASSERT_TRUE(HostFileExists(hostD_ + c.hostFile));
        const std::string bytes = TempDrives::ReadHostFile(hostD_ + c.hostFile);
        ASSERT_EQ(bytes.size(), 2358528u);
        const std::vector<SettingsRecord> records = RecordsOf(bytes);
        const std::vector<SettingsRecord> expected = FirstStartRecords(c.current);
        ASSERT_EQ(records.size(), 444u);
        for (std::size_t i = 0; i < records.size(); ++i) {
            EXPECT_EQ(records[i].type, expected[i].type) << i;
            EXPECT_EQ(records[i].name, expected[i].name) << i;
            EXPECT_EQ(records[i].number, expected[i].number) << i;
            if (expected[i].value != "?") {
                EXPECT_EQ(records[i].value, expected[i].value) << i;
            }
        }

        const Lines texts = ValuesOfType(records, 17);
        EXPECT_EQ(Lines(texts.begin(), texts.begin() + 5),
                  (Lines{"doc", "pdf", "acp", "adm", "adp"}));
        EXPECT_EQ(Lines(texts.end() - 3, texts.end()), (Lines{"xul", "y", "yy"}));
        const Lines binaries = ValuesOfType(records, 19);
        EXPECT_EQ(Lines(binaries.begin(), binaries.begin() + 5),
                  (Lines{"exe", "com", "zip", "rtf", "323"}));
        EXPECT_EQ(Lines(binaries.end() - 3, binaries.end()), (Lines{"xpt", "xls", "xlt"}));

        // Nothing but the fields and the value's terminator carries data.
        for (std::size_t at = 0; at < bytes.size(); at += 5312) {
            const std::size_t valueEnd = at + 14 + records[at / 5312].value.size();
            ASSERT_EQ(bytes.substr(valueEnd, at + 5276 - valueEnd),
                      std::string(at + 5276 - valueEnd, '\0'))
                << at / 5312;
            ASSERT_EQ(bytes.substr(at + 5280, 32), std::string(32, '\0')) << at / 5312;
        }
    }
}

TEST_F(SettingsFileTest, NextStartReadsTheFileBackWithoutWriting) {
    Enter("D:\\Some");
    ProgramSettings first;
    LoadOrCreateSettings(Fs(), messenger_, first);
    const std::string written = TempDrives::ReadHostFile(hostD_ + "/Some/default.set");

    ProgramSettings next;
    next.separators = {"left over"};
    next.selectedPatterns = {"*.old"};
    LoadOrCreateSettings(Fs(), messenger_, next);
    EXPECT_TRUE(messenger_.Shown().empty());
    EXPECT_EQ(TempDrives::ReadHostFile(hostD_ + "/Some/default.set"), written);

    // Vacant single texts come back as the blank they were written as, except 21 and 25.
    EXPECT_EQ(next.selectedSeparator, " ");
    EXPECT_EQ(next.selectedQuotationMark, " ");
    EXPECT_EQ(next.selectionText, " ");
    EXPECT_EQ(next.filterText21, "");
    EXPECT_EQ(next.filterText25, "");
    EXPECT_EQ(next.separators.size(), 17u);
    EXPECT_EQ(next.separators.back(), "space");
    EXPECT_EQ(next.quotationMarks, next.separators);
    EXPECT_EQ(next.selectedPatterns, (Lines{"*.*"}));
    EXPECT_EQ(next.filterList17.size(), 172u);
    EXPECT_EQ(next.filterList18.size(), 5u);
    EXPECT_EQ(next.filterList19.size(), 215u);
    EXPECT_EQ(next.filterNumber7, 1);
    EXPECT_EQ(next.filterNumber12, 1);
    EXPECT_EQ(next.defaultDirectory, "D:\\Some");
}

TEST_F(SettingsFileTest, TheRecordedDefaultDirectoryDecidesWhereLaterSavesGo) {
    ProgramSettings elsewhere;
    elsewhere.programIdentifier = "ARBOVANE820";
    elsewhere.defaultDirectory = "E:\\Elsewhere";
    elsewhere.separators = {"x"};
    TempDrives::WriteHostFile(hostD_ + "/default.set", EncodeSettings(elsewhere));
    const std::string copied = TempDrives::ReadHostFile(hostD_ + "/default.set");
    ASSERT_TRUE(Fs().CreateFolderTree("E:\\Elsewhere"));
    Enter("D:\\");

    ProgramSettings store;
    LoadOrCreateSettings(Fs(), messenger_, store);
    EXPECT_EQ(store.defaultDirectory, "E:\\Elsewhere");
    EXPECT_EQ(store.separators, (Lines{"x"}));

    store.separators.push_back("y");
    EXPECT_TRUE(SaveClass(Fs(), messenger_).Save(store));
    EXPECT_EQ(TempDrives::ReadHostFile(hostD_ + "/default.set"), copied);
    ASSERT_TRUE(HostFileExists(hostE_ + "/Elsewhere/default.set"));

    ProgramSettings reread = store;
    ClearLists(reread);
    EXPECT_TRUE(RestoreClass(Fs()).Restore(reread));
    EXPECT_EQ(reread.separators, (Lines{"x", "y"}));
}

TEST_F(SettingsFileTest, SaveFailureShowsMessage0130AndTheNextSaveTriesAgain) {
    FaultyFileSystem faulty(Fs());
    faulty.FailOn(FaultyFileSystem::Op::WriteWholeFile, "D:\\Work\\default.set");
    ASSERT_TRUE(Fs().CreateFolderTree("D:\\Work"));
    const ProgramSettings store = FullStore();
    SaveClass failing(faulty, messenger_);
    EXPECT_FALSE(failing.Save(store));
    EXPECT_FALSE(failing.Save(store));
    ASSERT_EQ(messenger_.Shown().size(), 2u);
    ExpectMessage0130(messenger_.Shown()[0]);
    ExpectMessage0130(messenger_.Shown()[1]);
    EXPECT_EQ(store, FullStore());
    EXPECT_FALSE(HostFileExists(hostD_ + "/Work/default.set"));

    // A real failure: the folder is missing, then appears.
    messenger_.Clear();
    ProgramSettings moved = FullStore();
    moved.defaultDirectory = "D:\\Missing";
    SaveClass saver(Fs(), messenger_);
    EXPECT_FALSE(saver.Save(moved));
    ASSERT_EQ(messenger_.Shown().size(), 1u);
    ExpectMessage0130(messenger_.Shown()[0]);
    ASSERT_TRUE(Fs().CreateFolderTree("D:\\Missing"));
    EXPECT_TRUE(saver.Save(moved));
    EXPECT_EQ(messenger_.Shown().size(), 1u);
    EXPECT_TRUE(HostFileExists(hostD_ + "/Missing/default.set"));
}

TEST_F(SettingsFileTest, AFirstStartThatCannotWriteGoesOnWithTheDefaults) {
    FaultyFileSystem faulty(Fs());
    faulty.FailOn(FaultyFileSystem::Op::WriteWholeFile, "*");
    Enter("D:\\Some");
    ProgramSettings store;
    LoadOrCreateSettings(faulty, messenger_, store);
    ASSERT_EQ(messenger_.Shown().size(), 1u);
    ExpectMessage0130(messenger_.Shown()[0]);
    EXPECT_EQ(store.separators.size(), 17u);
    EXPECT_EQ(store.defaultDirectory, "D:\\Some");
}

TEST_F(SettingsFileTest, RestoreOfAMissingFileChangesNothing) {
    ASSERT_TRUE(Fs().CreateFolderTree("D:\\Empty"));
    for (const char* directory : {"D:\\Empty", "D:\\Nowhere"}) {
        ProgramSettings store = FullStore();
        store.defaultDirectory = directory;
        const ProgramSettings before = store;
        EXPECT_FALSE(RestoreClass(Fs()).Restore(store)) << directory;
        EXPECT_EQ(store, before) << directory;
    }
}

TEST_F(SettingsFileTest, SaveClearListsRestoreGivesTheSameStore) {
    ASSERT_TRUE(Fs().CreateFolderTree("D:\\Work"));
    const ProgramSettings saved = FullStore();
    ASSERT_TRUE(SaveClass(Fs(), messenger_).Save(saved));
    ProgramSettings restored = saved;
    ClearLists(restored);
    EXPECT_TRUE(RestoreClass(Fs()).Restore(restored));
    EXPECT_EQ(restored, saved);
    EXPECT_TRUE(messenger_.Shown().empty());
}

TEST_F(SettingsFileTest, ExtraAndBrokenRecordsLoadWithoutAMessage) {
    std::string bytes = FileOf({{1, "APPNAME", "ARBOVANE820", 0},
                                {2, "DEFDIRECTRY", "D:\\", 0},
                                {4, "DELIMLIST", "x", 0},
                                {30, "NEWER", "what a later version adds", 3},
                                {899, "NEWER", "", 4},
                                {4, "DELIMLIST", "y", 0}});
    bytes += FileOf({{4, "DELIMLIST", "cut", 0}}).substr(0, 1000);
    TempDrives::WriteHostFile(hostD_ + "/default.set", bytes);
    Enter("D:\\");

    ProgramSettings store;
    LoadOrCreateSettings(Fs(), messenger_, store);
    EXPECT_TRUE(messenger_.Shown().empty());
    EXPECT_EQ(store.separators, (Lines{"x", "y"}));
    EXPECT_TRUE(store.selectedPatterns.empty());
    EXPECT_EQ(TempDrives::ReadHostFile(hostD_ + "/default.set"), bytes);
}

// Reports a failure for the current directory, as a path longer than the system allows does.
class NoCurrentDirectory : public FaultyFileSystem {
public:
    using FaultyFileSystem::FaultyFileSystem;
    bool ReadCurrentDirectory(std::string&) override { return false; }
};

// Sets an environment variable for one scope, then gives back what it held.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        testing::SetEnvironment(name, value);
    }
    ~ScopedEnvironment() { testing::SetEnvironment(name_, old_ ? old_->c_str() : nullptr); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST_F(SettingsFileTest, ACurrentDirectoryThatCannotHoldTheSettingsFallsBackToTheUsersFolder) {
    std::string deep = "D:";
    while (deep.size() <= 260) deep += "\\abcdefghij";
    Enter(deep);
    NoCurrentDirectory failingRead(Fs());
    FaultyFileSystem tooLong(Fs());
    for (FaultyFileSystem* fs : {static_cast<FaultyFileSystem*>(&failingRead), &tooLong}) {
        for (const bool haveConfiguration : {true, false}) {
            SCOPED_TRACE(haveConfiguration ? "a configuration folder" : "no configuration folder");
            const std::string config = hostE_ + "/config";
            ScopedEnvironment base(testing::kConfigurationBaseVariable,
                                   haveConfiguration ? config.c_str() : nullptr);
            ScopedEnvironment home("HOME", nullptr);
            std::vector<std::string> read, written;
            fs->Before(FaultyFileSystem::Op::ReadWholeFile,
                       [&](const std::string& path) { read.push_back(path); });
            fs->Before(FaultyFileSystem::Op::WriteWholeFile,
                       [&](const std::string& path) { written.push_back(path); });
            messenger_.Clear();
            ProgramSettings store;
            store.defaultDirectory = "stale";
            LoadOrCreateSettings(*fs, messenger_, store);
            fs->ClearHooks();
            // Never the root of the drive.
            EXPECT_FALSE(HostFileExists(hostD_ + "/default.set"));
            if (haveConfiguration) {
                EXPECT_EQ(store.defaultDirectory, "E:\\config\\arbovane");
                EXPECT_EQ(read, (Lines{"E:\\config\\arbovane\\default.set"}));
                EXPECT_EQ(written, (Lines{"E:\\config\\arbovane\\default.set"}));
                EXPECT_TRUE(HostFileExists(config + "/arbovane/default.set"));
                EXPECT_TRUE(messenger_.Shown().empty());
                std::filesystem::remove_all(config);
            } else {
                EXPECT_EQ(store.defaultDirectory, "");
                EXPECT_TRUE(read.empty());
                EXPECT_TRUE(written.empty());
                ASSERT_EQ(messenger_.Shown().size(), 1u);
                ExpectMessage0130(messenger_.Shown()[0]);
                EXPECT_EQ(store.separators.size(), 17u);
            }
        }
    }
}

// An empty or cut file holds no list at all; taking it as the store would let the next save write
// empty lists over the user's.
TEST_F(SettingsFileTest, AFileWithoutAWholeRecordIsAFirstStart) {
    Enter("D:\\App");
    const std::string file = hostD_ + "/App/default.set";
    const std::string one = FileOf({{4, "DELIMLIST", "x", 0}});
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, one.size() - 1}) {
        SCOPED_TRACE(size);
        TempDrives::WriteHostFile(file, one.substr(0, size));
        ProgramSettings kept = FullStore();
        kept.defaultDirectory = "D:\\App";
        const ProgramSettings before = kept;
        EXPECT_FALSE(RestoreClass(Fs()).Restore(kept));
        EXPECT_EQ(kept, before);

        ProgramSettings store;
        LoadOrCreateSettings(Fs(), messenger_, store);
        EXPECT_EQ(store.separators.size(), 17u);
        EXPECT_EQ(store.selectedPatterns, (Lines{"*.*"}));
        EXPECT_EQ(TempDrives::ReadHostFile(file).size(), 2358528u);
    }
    EXPECT_TRUE(messenger_.Shown().empty());
}

// Reads through a smaller limit, the way a file of more than a gigabyte reads through the real one.
class SmallReadLimit : public FaultyFileSystem {
public:
    SmallReadLimit(FileSystem& inner, std::uint64_t limit)
        : FaultyFileSystem(inner), limit_(limit) {}
    ReadOutcome ReadFileUpTo(const std::string& path, std::uint64_t limit,
                             std::string& bytes) override {
        EXPECT_EQ(limit, std::uint64_t{1} << 30);
        return FaultyFileSystem::ReadFileUpTo(path, limit_, bytes);
    }

private:
    std::uint64_t limit_;
};

TEST_F(SettingsFileTest, AFileLargerThanTheLimitIsReadUpToItAfterAWarning) {
    Enter("D:\\App");
    const std::string file = hostD_ + "/App/default.set";
    const std::string bytes = FileOf({{2, "DEFDIRECTRY", "D:\\App", 0},
                                      {4, "DELIMLIST", "a", 0},
                                      {4, "DELIMLIST", "b", 0},
                                      {4, "DELIMLIST", "past the limit", 0}});
    TempDrives::WriteHostFile(file, bytes);
    SmallReadLimit fs(Fs(), 3 * 5312 + 100);
    ProgramSettings store;
    SettingsFileSeen seen;
    LoadOrCreateSettings(fs, messenger_, store, &seen);
    EXPECT_EQ(store.separators, (Lines{"a", "b"}));
    ASSERT_EQ(messenger_.Shown().size(), 1u);
    EXPECT_EQ(messenger_.Shown()[0].text,
              "The settings file\nD:\\App\\default.set\nis larger than any settings file this "
              "program writes. Only its first 1024 MB were read; the file is written again only "
              "when the settings change.");
    EXPECT_EQ(messenger_.Shown()[0].title, "Settings.            Warning no: 0131.");
    EXPECT_EQ(messenger_.Shown()[0].flags, 48);
    // Unchanged settings leave the file as it is.
    fs.ResetCalls();
    EXPECT_TRUE(SaveUnlessUnchanged(fs, messenger_, store, seen));
    EXPECT_EQ(fs.Calls(FaultyFileSystem::Op::WriteWholeFile), 0);
    EXPECT_EQ(TempDrives::ReadHostFile(file), bytes);
}

// A file copied from another machine may record a folder that does not exist here.
TEST_F(SettingsFileTest, ARecordedDirectoryThatIsNotHereGivesWayToWhereTheFileWasRead) {
    const struct {
        const char* recorded;
        const char* expected;
    } cases[] = {
        {"C:\\Users\\someone\\App", "D:\\App"},  // no drive C: here
        {"D:\\Gone", "D:\\App"},
        {" ", "D:\\App"},
        {"E:\\", "E:\\"},  // there: later saves go there
    };
    Enter("D:\\App");
    const std::string file = hostD_ + "/App/default.set";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.recorded);
        TempDrives::WriteHostFile(
            file, FileOf({{2, "DEFDIRECTRY", c.recorded, 0}, {4, "DELIMLIST", "x", 0}}));
        ProgramSettings store;
        LoadOrCreateSettings(Fs(), messenger_, store);
        EXPECT_EQ(store.defaultDirectory, c.expected);
        store.separators.push_back("y");
        EXPECT_TRUE(SaveClass(Fs(), messenger_).Save(store));

        ProgramSettings again;
        again.defaultDirectory = "D:\\App";
        ASSERT_TRUE(RestoreClass(Fs()).Restore(again));
        EXPECT_EQ(again.defaultDirectory, c.expected);
        // The file read is the one saved to, unless the recorded folder is there.
        std::string recordedNow;
        for (const SettingsRecord& r : RecordsOf(TempDrives::ReadHostFile(file)))
            if (r.type == 2) recordedNow = r.value;
        EXPECT_EQ(recordedNow, std::string(c.expected) == "D:\\App" ? "D:\\App" : c.recorded);
        std::filesystem::remove(hostE_ + "/default.set");
    }
    EXPECT_TRUE(messenger_.Shown().empty());
}

// Closing rewrites the file only when writing could change it: the store changed, or the file did.
TEST_F(SettingsFileTest, CloseWritesOnlyWhenTheStoreOrTheFileChanged) {
    Enter("d:\\App");
    FaultyFileSystem fs(Fs());
    const std::string file = hostD_ + "/App/default.set";
    const struct {
        const char* what;
        std::function<void(ProgramSettings&)> change;
        bool writes;
    } cases[] = {
        {"nothing changed", [](ProgramSettings&) {}, false},
        {"a destination remembered",
         [](ProgramSettings& store) { store.vol02Destinations.push_back("d:\\New"); }, true},
        {"the file rewritten by another copy",
         [&](ProgramSettings&) {
             ProgramSettings other;
             other.separators = {"#"};
             TempDrives::WriteHostFile(file, EncodeSettings(other));
         },
         true},
        {"the file deleted", [&](ProgramSettings&) { std::filesystem::remove(file); }, true},
        {"another default directory",
         [&](ProgramSettings& store) {
             ASSERT_TRUE(Fs().CreateFolderTree("e:\\Other"));
             store.defaultDirectory = "E:\\Other";
         },
         true},
    };
    for (const bool firstStart : {true, false}) {
        for (const auto& c : cases) {
            if (firstStart) std::filesystem::remove(file);
            ProgramSettings store;
            SettingsFileSeen seen;
            LoadOrCreateSettings(fs, messenger_, store, &seen);
            const ProgramSettings loaded = store;
            c.change(store);
            fs.ResetCalls();
            EXPECT_TRUE(SaveUnlessUnchanged(fs, messenger_, store, seen)) << c.what;
            EXPECT_EQ(fs.Calls(FaultyFileSystem::Op::WriteWholeFile), c.writes ? 1 : 0)
                << c.what << (firstStart ? ", first start" : "");
            // Whatever was done, the file gives the store now, and a second close writes nothing.
            ProgramSettings reread = store;
            ClearLists(reread);
            ASSERT_TRUE(RestoreClass(Fs()).Restore(reread)) << c.what;
            EXPECT_EQ(reread.separators, store.separators) << c.what;
            EXPECT_EQ(reread.vol02Destinations, store.vol02Destinations) << c.what;
            fs.ResetCalls();
            EXPECT_TRUE(SaveUnlessUnchanged(fs, messenger_, store, seen)) << c.what;
            EXPECT_EQ(fs.Calls(FaultyFileSystem::Op::WriteWholeFile), 0) << c.what;
            if (store.defaultDirectory != loaded.defaultDirectory)
                std::filesystem::remove(hostE_ + "/Other/default.set");
        }
    }
    EXPECT_TRUE(messenger_.Shown().empty());
}

}  // namespace
}  // namespace arbovane
