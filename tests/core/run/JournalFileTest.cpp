#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/undo/JournalFile.h"

namespace arbovane {
namespace {

namespace jf = journal_file;

using Lines = std::vector<std::string>;

RunJournal CopyIdentity() {
    RunJournal identity;
    identity.kind = RunJournal::Kind::Folders;
    identity.tab = UndoTab::Copy;
    return identity;
}

RunJournal RenameIdentity() {
    RunJournal identity;
    identity.kind = RunJournal::Kind::Rename;
    return identity;
}

// A run's file as a run writes it: header, the lines written ahead, and, when ended, the journal
// with its end mark.
std::string RunFile(const RunJournal& identity, const std::string& ahead,
                    const RunJournal* ended = nullptr) {
    const std::string header = jf::Header(identity, "Arbovane 8.20", 1000);
    std::string covered = header.substr(header.find('\n') + 1) + ahead;
    if (!ended) return header + ahead;
    covered += jf::Body(*ended);
    std::uint64_t lines = 0;
    for (char c : covered) lines += c == '\n';
    return header.substr(0, header.find('\n') + 1) + covered +
           jf::End(lines, jf::Checksum(jf::kChecksumStart, covered));
}

FileStamp Stamp(std::uint64_t size) {
    return {size, 11, 22, 33};
}

TEST(JournalFile, EndedFileGivesBackTheJournalAsTheTabKeepsIt) {
    RunJournal journal = CopyIdentity();
    journal.folders.AttachModeMarker = "F";
    journal.folders.CopyTargetFolders = {"e:\\A"};
    journal.folders.CreatedStructureFolders = {"e:\\A\\T", "e:\\A\\T\\U"};
    journal.folders.CopiedFiles = {"e:\\A\\T\\x.txt"};
    journal.folders.CopiedFileStamps["e:\\A\\T\\x.txt"] = Stamp(5);

    std::string error;
    const auto read = ParseJournalFile(JournalFileText(journal, "Arbovane 8.20", 42), error);
    ASSERT_TRUE(read) << error;
    EXPECT_FALSE(read->interrupted);
    EXPECT_EQ(read->program, "Arbovane 8.20");
    EXPECT_EQ(read->startedNs, 42);
    EXPECT_EQ(read->folders.AttachModeMarker, "F");
    EXPECT_EQ(read->folders.CopyTargetFolders, journal.folders.CopyTargetFolders);
    EXPECT_EQ(read->folders.CreatedStructureFolders, journal.folders.CreatedStructureFolders);
    EXPECT_EQ(read->folders.CopiedFiles, journal.folders.CopiedFiles);
    EXPECT_EQ(read->folders.CopiedFileStamps, journal.folders.CopiedFileStamps);
}

TEST(JournalFile, InterruptedRunIsReplayedFromWhatItWroteAhead) {
    const struct {
        const char* name;
        std::string ahead;
        Lines folders, files;
        std::string unconfirmed;
    } cases[] = {
        {"folders made, the last unconfirmed",
         jf::IntentFolder("e:\\A\\T") + jf::IntentFolder("e:\\A\\T\\U"),
         {"e:\\A\\T", "e:\\A\\T\\U"},
         {},
         "e:\\A\\T\\U"},
        {"a folder that existed is not the run's",
         jf::IntentFolder("e:\\A\\T") + jf::NotMade("e:\\A\\T") + jf::IntentFolder("e:\\A\\T\\U") +
             jf::IntentFile("e:\\A\\T\\U\\x"),
         {"e:\\A\\T\\U"},
         {"e:\\A\\T\\U\\x"},
         "e:\\A\\T\\U\\x"},
        {"a copied file with its stamp, then nothing in flight",
         jf::IntentFile("e:\\x") + jf::MadeFile("e:\\x", Stamp(3)),
         {},
         {"e:\\x"},
         ""},
        {"nothing made", "", {}, {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string error;
        const auto read = ParseJournalFile(RunFile(CopyIdentity(), c.ahead), error);
        ASSERT_TRUE(read) << error;
        EXPECT_TRUE(read->interrupted);
        EXPECT_TRUE(read->folders.FromInterruptedRun);
        EXPECT_EQ(read->folders.RunStartedNs, 1000);
        EXPECT_EQ(read->folders.FailedUndoFolders, c.folders);
        EXPECT_EQ(read->folders.FailedUndoFiles, c.files);
        EXPECT_EQ(read->folders.UnconfirmedEntry, c.unconfirmed);
    }
}

TEST(JournalFile, InterruptedRenameKeepsTheRenamesNotRefused) {
    const std::string ahead = jf::IntentRename("d:\\A", "d:\\A_x") +
                              jf::IntentRename("d:\\B", "d:\\B_x") + jf::NotMade("d:\\B") +
                              jf::IntentRename("d:\\C", "d:\\C_x");
    std::string error;
    const auto read = ParseJournalFile(RunFile(RenameIdentity(), ahead), error);
    ASSERT_TRUE(read) << error;
    EXPECT_TRUE(read->renames.FromInterruptedRun);
    const std::vector<_tagReplaceFoldersStruct> expected = {{"d:\\A", "d:\\A_x"},
                                                            {"d:\\C", "d:\\C_x"}};
    EXPECT_EQ(read->renames.RenamedPairs, expected);
}

TEST(JournalFile, RefusesWhatCannotBeTrusted) {
    RunJournal journal = CopyIdentity();
    journal.folders.AttachModeMarker = "R";
    journal.folders.CreatedStructureFolders = {"e:\\A\\T"};
    const std::string ended = JournalFileText(journal, "Arbovane 8.20", 7);
    std::string edited = ended;
    edited.replace(edited.find("e:\\A\\T"), 6, "e:\\A\\X");
    std::string recounted = ended;
    recounted.insert(recounted.find("end\t"), "structure\te:\\B\n");
    const struct {
        const char* name;
        std::string text;
        std::string error;
    } cases[] = {
        {"no journal", "hello\n", "not a journal file of this program"},
        {"a path edited after the end", edited,
         "the journal was changed or damaged after its run ended"},
        {"a line added before the end", recounted,
         "the journal was changed or damaged after its run ended"},
        {"an unknown line", RunFile(CopyIdentity(), "removed\te:\\A\n"),
         "line 5 of the journal is damaged"},
        {"an outcome for another entry",
         RunFile(CopyIdentity(), jf::IntentFolder("e:\\A") + jf::NotMade("e:\\B")),
         "line 6 of the journal is damaged"},
        {"a rename pair in a folder journal", RunFile(CopyIdentity(), "renamed\ta\tb\n"),
         "line 5 of the journal is damaged"},
        {"a NUL byte", RunFile(CopyIdentity(), jf::IntentFolder(std::string("e:\\A\0B", 6))),
         "the journal holds a NUL byte"},
        {"a foreign line after the end", ended + "structure\te:\\C\n",
         "line 9 of the journal is damaged"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string error;
        EXPECT_FALSE(ParseJournalFile(c.text, error));
        EXPECT_EQ(error, c.error);
    }
}

// A run empties its file and writes its header before its first change.
TEST(JournalFile, AFileCutInsideItsHeaderIsARunThatMadeNothing) {
    const std::string header = jf::Header(CopyIdentity(), "Arbovane 8.20", 5);
    for (const std::string& text :
         {std::string(), header.substr(0, 7), header.substr(0, header.find("tab") + 2)}) {
        std::string error;
        const auto read = ParseJournalFile(text, error);
        ASSERT_TRUE(read) << text << error;
        EXPECT_TRUE(read->interrupted);
        EXPECT_FALSE(HasSomethingToUndo(*read));
    }
}

TEST(JournalFile, UndoNotesAfterTheEndMarkNameWhatTheUndoStarted) {
    RunJournal journal = CopyIdentity();
    journal.folders.AttachModeMarker = "F";
    journal.folders.CopiedFiles = {"e:\\x", "e:\\y"};
    const std::string text = JournalFileText(journal, "Arbovane 8.20", 7) + jf::UndoStarted() +
                             jf::Undoing("e:\\x") + "undoing\te:\\y";  // cut short
    std::string error;
    const auto read = ParseJournalFile(text, error);
    ASSERT_TRUE(read) << error;
    EXPECT_TRUE(read->undoInterrupted);
    EXPECT_EQ(read->folders.UndoStartedFiles, (std::set<std::string>{"e:\\x"}));
    EXPECT_EQ(read->folders.CopiedFiles, journal.folders.CopiedFiles);
}

TEST(JournalFile, OlderFormIsReadAsItStands) {
    const std::string text =
        "arbovane journal 1\ntab\tcreate-names\nmarker\tN\nroot\td:\\Dest\\\nmain\td:\\Dest\\A\n"
        "stamp\td:\\Dest\\A\\f\t4\t99\n";
    std::string error;
    const auto read = ParseJournalFile(text, error);
    ASSERT_TRUE(read) << error;
    EXPECT_TRUE(read->legacy);
    EXPECT_EQ(read->tab, UndoTab::CreateI);
    EXPECT_EQ(read->folders.CreatedMainFolders, Lines{"d:\\Dest\\A"});
    EXPECT_EQ(read->folders.CopiedFileStamps.at("d:\\Dest\\A\\f"), (FileStamp{4, 99, 0, 0}));
}

// Every prefix of a real file, cut at every byte, is either refused or read as an interrupted
// run that names only entries whose lines are whole.
TEST(JournalFile, EveryCutOfARealFileIsRefusedOrReadAsInterrupted) {
    RunJournal ended = CopyIdentity();
    ended.folders.AttachModeMarker = "F";
    ended.folders.CreatedStructureFolders = {"e:\\A\\T", "e:\\A\\T\\Long folder name"};
    ended.folders.CopiedFiles = {"e:\\A\\T\\x.txt"};
    ended.folders.CopiedFileStamps["e:\\A\\T\\x.txt"] = Stamp(12345);
    const std::string ahead =
        jf::IntentFolder("e:\\A\\T") + jf::IntentFolder("e:\\A\\T\\U") +
        jf::NotMade("e:\\A\\T\\U") + jf::IntentFolder("e:\\A\\T\\Long folder name") +
        jf::IntentFile("e:\\A\\T\\x.txt") + jf::MadeFile("e:\\A\\T\\x.txt", Stamp(12345));
    const std::string whole = RunFile(CopyIdentity(), ahead, &ended);
    // Every entry written ahead may have been made.
    const Lines made = {"e:\\A\\T", "e:\\A\\T\\U", "e:\\A\\T\\Long folder name", "e:\\A\\T\\x.txt"};
    for (std::size_t cut = 0; cut <= whole.size(); ++cut) {
        SCOPED_TRACE(cut);
        std::string error;
        const auto read = ParseJournalFile(whole.substr(0, cut), error);
        if (!read) {
            EXPECT_FALSE(error.empty());
            continue;
        }
        if (cut == whole.size()) {
            EXPECT_FALSE(read->interrupted);
            EXPECT_EQ(read->folders.CopiedFiles, ended.folders.CopiedFiles);
            continue;
        }
        ASSERT_TRUE(read->interrupted);
        // Nothing but what the run wrote ahead, each path whole.
        Lines named = read->folders.FailedUndoFolders;
        named.insert(named.end(), read->folders.FailedUndoFiles.begin(),
                     read->folders.FailedUndoFiles.end());
        for (const std::string& path : named)
            EXPECT_NE(std::find(made.begin(), made.end(), path), made.end()) << path;
        if (!read->folders.UnconfirmedEntry.empty())
            EXPECT_NE(std::find(made.begin(), made.end(), read->folders.UnconfirmedEntry),
                      made.end());
    }
}

TEST(JournalFile, KeepsEveryListAndStampThroughItsFile) {
    RunJournal journal;
    journal.tab = UndoTab::CreateIII;
    journal.folders.AttachModeMarker = "R";
    journal.folders.UndoRoot = "d:\\New\\";
    journal.folders.CreatedMainFolders = {"d:\\New\\1", "d:\\New\\2"};
    journal.folders.CreatedStructureFolders = {"d:\\New\\1\\Docs"};
    journal.folders.CopiedFiles = {"d:\\New\\1\\Docs\\a b.txt"};
    journal.folders.FailedUndoFolders = {"d:\\Old"};
    journal.folders.FailedUndoFiles = {"d:\\Old\\x"};
    journal.folders.CopiedFileStamps = {{"d:\\Old\\x", {12, -5, 0, 0}},
                                        {"d:\\New\\1\\Docs\\a b.txt", {3, 7, 8, 9}}};
    std::string error;
    const auto read = ParseJournalFile(JournalFileText(journal, "Arbovane 8.20", 1), error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->tab, UndoTab::CreateIII);
    EXPECT_EQ(read->folders.AttachModeMarker, "R");
    EXPECT_EQ(read->folders.UndoRoot, "d:\\New\\");
    EXPECT_EQ(read->folders.CreatedMainFolders, journal.folders.CreatedMainFolders);
    EXPECT_EQ(read->folders.CreatedStructureFolders, journal.folders.CreatedStructureFolders);
    EXPECT_EQ(read->folders.CopiedFiles, journal.folders.CopiedFiles);
    EXPECT_EQ(read->folders.FailedUndoFolders, journal.folders.FailedUndoFolders);
    EXPECT_EQ(read->folders.FailedUndoFiles, journal.folders.FailedUndoFiles);
    EXPECT_EQ(read->folders.CopiedFileStamps, journal.folders.CopiedFileStamps);

    RunJournal renames;
    renames.kind = RunJournal::Kind::Rename;
    renames.renames.RenamedPairs = {{"d:\\a", "d:\\a_old"}};
    renames.renames.FailedUndoPairs = {{"d:\\b", "d:\\b_old"}};
    const auto readRenames = ParseJournalFile(JournalFileText(renames, "Arbovane 8.20", 1), error);
    ASSERT_TRUE(readRenames) << error;
    EXPECT_EQ(readRenames->renames.RenamedPairs, renames.renames.RenamedPairs);
    EXPECT_EQ(readRenames->renames.FailedUndoPairs, renames.renames.FailedUndoPairs);
}

TEST(JournalFile, RefusesOlderFilesItDidNotWrite) {
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {"hello\n", "not a journal file of this program"},
        {"arbovane journal 1\n", "the journal names no tab"},
        {"arbovane journal 1\nmain\td:\\a\n", "line 2 of the journal is damaged"},
        {"arbovane journal 1\ntab\tmove\n", "line 2 of the journal is damaged"},
        {"arbovane journal 1\r\ntab\tcopy\r\nstamp\td:\\a\tx\t1\r\n",
         "line 3 of the journal is damaged"},
        {"arbovane journal 1\ntab\trename\nmain\td:\\a\n", "line 3 of the journal is damaged"},
        {"arbovane journal 1\ntab\tcopy\nrenamed\td:\\a\td:\\b\n",
         "line 3 of the journal is damaged"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseJournalFile(c.text, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}

}  // namespace
}  // namespace arbovane
