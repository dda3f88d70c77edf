// The FileSystem port's contract: the same cases and the same answers on every backend. Where
// Windows and the POSIX backend once differed, Windows' answer is the one written here, except
// for letter case: a name reaches what the volume's own look-up reaches, so the cases ask the
// volume which rule it keeps.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/memory/MemoryFileSystem.h"
#include "support/HostOnly.h"
#include "support/TempDrives.h"

namespace arbovane {
namespace {

using Names = std::vector<std::string>;

// CaseIgnoringVolume: the host backend on a volume whose own look-up ignores letter case.
enum class Backend { Host, Memory, CaseIgnoringVolume };

class FileSystemContract : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        if (GetParam() == Backend::Memory) {
            memory_ = std::make_unique<MemoryFileSystem>(drives_.TextPort());
            memory_->AddDrive('D');
            ignoresCase_ = true;
            return;
        }
        host_ = drives_.Map('D');
        if (GetParam() == Backend::CaseIgnoringVolume) {
            const std::string mountAt = drives_.Map('V');
            std::string reason;
            if (!testing::MountCaseIgnoringVolume(mountAt + ".img", mountAt, host_, reason))
                GTEST_SKIP() << reason;
            mounted_ = mountAt;
            drives_.Fs().MapDrive('D', host_);
        }
        // The host's own rule, found by asking it.
        testing::TempDrives::WriteHostFile(host_ + "/CaseProbe", "x");
        ignoresCase_ =
            std::filesystem::exists(testing::TempDrives::HostPathOf(host_ + "/cASEpROBE"));
        std::filesystem::remove(testing::TempDrives::HostPathOf(host_ + "/CaseProbe"));
    }
    void TearDown() override {
        if (!mounted_.empty()) testing::Unmount(mounted_);
    }

    // The first spelling where the volume ignores letter case, else the second.
    std::string Spelled(const std::string& anyCase, const std::string& exact) const {
        return ignoresCase_ ? anyCase : exact;
    }

    FileSystem& Fs() {
        if (memory_) return *memory_;
        return drives_.Fs();
    }
    // A link at d:\link to the folder d:\target.
    void MakeFolderLink(std::string link, const std::string& target) {
        if (memory_) {
            ASSERT_TRUE(memory_->AddLink("d:\\" + link, "d:\\" + target));
            return;
        }
        for (char& c : link)
            if (c == '\\') c = '/';
        std::filesystem::create_directory_symlink(host_ + "/" + target, host_ + "/" + link);
    }
    void Write(const std::string& path, const std::string& bytes = "x") {
        ASSERT_TRUE(Fs().CreateFolderTree(path.substr(0, path.rfind('\\')))) << path;
        ASSERT_TRUE(Fs().WriteWholeFile(path, bytes)) << path;
    }
    std::string Read(const std::string& path) {
        std::string bytes;
        EXPECT_TRUE(Fs().ReadWholeFile(path, bytes)) << path;
        return bytes;
    }
    Names Listed(const std::string& folderAndPattern) {
        Names names;
        EXPECT_TRUE(Fs().Enumerate(folderAndPattern, [&](const DirEntry& entry) {
            names.push_back(entry.name);
            return true;
        })) << folderAndPattern;
        return names;
    }
    Names TreeListed(const std::string& root, const std::string& pattern) {
        FsError why = FsError::None;
        auto tree = Fs().OpenTree(root, why);
        EXPECT_TRUE(tree) << root;
        std::vector<DirEntry> entries;
        if (tree) {
            EXPECT_TRUE(tree->List("", pattern, entries, why)) << pattern;
        }
        Names names;
        for (const auto& entry : entries) names.push_back(entry.name);
        return names;
    }
    enum Through { kListings = 1, kOpenTrees = 2, kBoth = 3 };
    void ExpectPatterns(const std::vector<std::pair<std::string, Names>>& cases, Through through) {
        for (const auto& [pattern, names] : cases) {
            if (through & kListings) {
                EXPECT_EQ(Listed("d:\\W\\" + pattern), names) << "Enumerate " << pattern;
            }
            if (through & kOpenTrees) {
                EXPECT_EQ(TreeListed("d:\\W", pattern), names) << "List " << pattern;
            }
        }
    }
    void MakePatternFolder() {
        for (const char* name : {"a", "ab", "abc", "a.txt", "ab.txt", "page.htm", "page.html",
                                 "x.h", "readme", "A.B.C", "\xC3\x89t\xC3\xA9.txt"})
            Write(std::string("d:\\W\\") + name);
    }

    testing::TempDrives drives_;
    std::string host_;
    std::string mounted_;
    bool ignoresCase_ = false;
    std::unique_ptr<MemoryFileSystem> memory_;
};

// Where the volume ignores letter case, any spelling reaches the entry (also beyond ASCII, and the
// entry keeps the spelling it was made with); where it does not, another spelling is another
// name: it reaches nothing, and a folder of that name is a new one beside the first.
TEST_P(FileSystemContract, NamesReachWhatTheVolumeLookUpReaches) {
    Write("d:\\Data\\\xC3\x89t\xC3\xA9 \xCE\xA9mega.txt", "summer");
    const std::string other = "D:\\DATA\\\xC3\xA9T\xC3\x89 \xCF\x89MEGA.TXT";
    EXPECT_EQ(Fs().IsFile(other), ignoresCase_);
    EXPECT_EQ(Fs().IsFolder("d:\\dAtA"), ignoresCase_);
    EXPECT_EQ(Fs().SameEntry("d:\\Data", "d:\\DATA"), ignoresCase_);
    std::string bytes;
    EXPECT_EQ(Fs().ReadWholeFile(other, bytes), ignoresCase_);
    FsError why = FsError::None;
    EXPECT_FALSE(Fs().Exists("d:\\Data\\Ete Omega.txt", why));
    EXPECT_EQ(why, FsError::NotFound);
    EXPECT_EQ(Fs().CreateFolder("d:\\DATA"),
              ignoresCase_ ? CreateOutcome::Existed : CreateOutcome::Created);
    if (ignoresCase_) {
        EXPECT_EQ(bytes, "summer");
        EXPECT_EQ(Listed("d:\\data\\*"), Names{"\xC3\x89t\xC3\xA9 \xCE\xA9mega.txt"});
        EXPECT_EQ(Listed("d:\\*"), Names{"Data"});
    } else {
        // Equal ignoring case, the bytes order them.
        EXPECT_EQ(Listed("d:\\*"), (Names{"DATA", "Data"}));
        EXPECT_EQ(Listed("d:\\DATA\\*"), Names{});
    }
}

// Two lines name one entry only where the volume says so; a spelling that differs in more than
// letter case is another line everywhere, as the lists keep it.
TEST_P(FileSystemContract, SameEntryFollowsTheVolume) {
    ASSERT_TRUE(Fs().CreateFolderTree("d:\\in\\Data"));
    Write("d:\\in\\Data\\d.txt", "d");
    const CreateOutcome twin = Fs().CreateFolder("d:\\in\\data");
    EXPECT_EQ(twin, ignoresCase_ ? CreateOutcome::Existed : CreateOutcome::Created);
    const struct {
        const char* a;
        const char* b;
        bool sameWhereCaseIsIgnored;
        bool sameWhereCaseCounts;
    } cases[] = {
        {"d:\\in\\Data", "d:\\in\\Data", true, true},
        {"d:\\in\\Data", "D:\\in\\Data", true, true},  // the drive letter is the program's own
        {"d:\\in\\Data", "d:\\in\\data", true, false},
        {"d:\\IN\\new", "d:\\in\\new", true, false},  // nothing there to be one entry
        {"d:\\in\\new", "d:\\in\\new", true, true},
        {"d:\\in\\Data", "d:/in/Data", false, false},
        {"d:\\in\\Data", "d:\\in\\Data\\", false, false},
        {"d:\\in\\Data", "d:\\in\\Datum", false, false},
    };
    for (const auto& c : cases) {
        const bool expected = ignoresCase_ ? c.sameWhereCaseIsIgnored : c.sameWhereCaseCounts;
        EXPECT_EQ(Fs().SameEntry(c.a, c.b), expected) << c.a << " | " << c.b;
        EXPECT_EQ(Fs().SameEntry(c.b, c.a), expected) << c.b << " | " << c.a;
    }
    // Where both stand, each reaches its own folder, also through open trees.
    if (!ignoresCase_) {
        Write("d:\\in\\data\\other.txt", "o");
        EXPECT_EQ(Listed("d:\\in\\*"), (Names{"Data", "data"}));
        EXPECT_EQ(TreeListed("d:\\in\\data", "*"), Names{"other.txt"});
        FsError why = FsError::None;
        auto tree = Fs().OpenTree("d:\\in", why);
        ASSERT_TRUE(tree);
        EXPECT_FALSE(tree->RemoveFile("data\\d.txt", why));
        EXPECT_EQ(why, FsError::NotFound);
        EXPECT_TRUE(tree->RemoveFile("data\\other.txt", why));
        EXPECT_TRUE(tree->RemoveFolder("data", why));
        EXPECT_EQ(Read("d:\\in\\Data\\d.txt"), "d");
    }
}

// Sorted by the upper case of each character, as Windows compares names: "_" comes after the
// letters, the bytes break ties.
TEST_P(FileSystemContract, ListingsComeInWindowsNameOrder) {
    for (const char* name : {"_b", "b", "A", "\xC3\xA9", "f", "B1"})
        Write(std::string("d:\\O\\") + name);
    const Names expected = {"A", "b", "B1", "f", "_b", "\xC3\xA9"};
    EXPECT_EQ(Listed("d:\\O\\*"), expected);
    EXPECT_EQ(TreeListed("d:\\O", "*"), expected);
}

TEST_P(FileSystemContract, WildcardsFollowTheWindowsRules) {
    MakePatternFolder();
    ExpectPatterns(
        {
            {"*",
             {"a", "A.B.C", "a.txt", "ab", "ab.txt", "abc", "page.htm", "page.html", "readme",
              "x.h", "\xC3\x89t\xC3\xA9.txt"}},
            {"*.txt", {"a.txt", "ab.txt", "\xC3\x89t\xC3\xA9.txt"}},
            {"a.*", {"a", "A.B.C", "a.txt"}},
            {"*.b", {}},
            {"a*b", {"ab"}},
            {"\xC3\xA9T\xC3\x89.*", {"\xC3\x89t\xC3\xA9.txt"}},
            {"?", {"a"}},
        },
        kBoth);
}

// '?' also takes nothing before a period or at the end, and "*." takes the names without an
// extension.
const std::vector<std::pair<std::string, Names>> kQuestionMarkAndTrailingPeriod = {
    {"a?", {"a", "ab"}}, {"A?.TXT", {"a.txt", "ab.txt"}},      {"a??.txt", {"a.txt", "ab.txt"}},
    {"*.h?", {"x.h"}},   {"*.", {"a", "ab", "abc", "readme"}},
};

TEST_P(FileSystemContract, QuestionMarkAndTrailingPeriodInListings) {
    MakePatternFolder();
    ExpectPatterns(kQuestionMarkAndTrailingPeriod, kListings);
}

TEST_P(FileSystemContract, QuestionMarkAndTrailingPeriodInOpenTrees) {
    MakePatternFolder();
    ExpectPatterns(kQuestionMarkAndTrailingPeriod, kOpenTrees);
}

// A long name also matches through its 8.3 short name: "page.html" is "PAGE~1.HTM" too.
TEST_P(FileSystemContract, ThreeLetterExtensionsTakeLongerOnes) {
    MakePatternFolder();
    ExpectPatterns({{"*.htm", {"page.htm", "page.html"}}}, kListings);
}

TEST_P(FileSystemContract, CopiesNeverOverwriteNorLeaveAPartialFile) {
    Write("d:\\S\\f.txt", "source");
    Write("d:\\T\\F.TXT", "theirs");
    FileStamp stamp;
    EXPECT_EQ(Fs().CopyNewFile("d:\\S\\f.txt", "d:\\T\\F.TXT", stamp), CreateOutcome::Existed);
    EXPECT_FALSE(Fs().CopyFileNoOverwrite("d:\\S\\f.txt", Spelled("d:\\T\\f.TxT", "d:\\T\\F.TXT")));
    EXPECT_EQ(Read("d:\\T\\F.TXT"), "theirs");

    EXPECT_EQ(Fs().CopyNewFile("d:\\S\\f.txt", "d:\\T\\g.txt", stamp), CreateOutcome::Created);
    EXPECT_EQ(Read("d:\\T\\g.txt"), "source");
    FileStamp source;
    ASSERT_TRUE(Fs().GetFileStamp("d:\\S\\f.txt", source));
    // The copy keeps the source's size and time; its stamp is the copy's own, as read later.
    EXPECT_EQ(stamp.size, source.size);
    EXPECT_EQ(stamp.modifiedNs, source.modifiedNs);
    FileStamp copy;
    ASSERT_TRUE(Fs().GetFileStamp("d:\\T\\g.txt", copy));
    EXPECT_EQ(stamp, copy);
    EXPECT_EQ(Fs().CopyNewFile("d:\\S\\missing.txt", "d:\\T\\h.txt", stamp), CreateOutcome::Failed);
    EXPECT_EQ(Fs().CopyNewFile("d:\\S", "d:\\T\\folder", stamp), CreateOutcome::Failed);

    // The same through open trees; nothing but the copies is left behind.
    FsError why = FsError::None;
    auto from = Fs().OpenTree("d:\\S", why);
    auto to = Fs().OpenTree("d:\\T", why);
    ASSERT_TRUE(from && to);
    EXPECT_EQ(from->CopyFileTo("f.txt", *to, Spelled("f.TXT", "F.TXT"), stamp, why),
              CreateOutcome::Existed);
    EXPECT_EQ(from->CopyFileTo(Spelled("F.txt", "f.txt"), *to, "new.txt", stamp, why),
              CreateOutcome::Created)
        << FsErrorText(why);
    EXPECT_EQ(stamp.size, source.size);
    EXPECT_EQ(stamp.modifiedNs, source.modifiedNs);
    ASSERT_TRUE(Fs().GetFileStamp("d:\\T\\new.txt", copy));
    EXPECT_EQ(stamp, copy);
    EXPECT_EQ(Read("d:\\T\\new.txt"), "source");
    EXPECT_EQ(Listed("d:\\T\\*"), (Names{"F.TXT", "g.txt", "new.txt"}));
}

TEST_P(FileSystemContract, MovesNeverReplace) {
    ASSERT_TRUE(Fs().CreateFolderTree("d:\\M\\Alpha\\inner"));
    ASSERT_TRUE(Fs().CreateFolderTree("d:\\M\\Beta"));
    EXPECT_FALSE(Fs().MoveFolderNoReplace("d:\\M\\Alpha", "d:\\M\\Beta"));
    EXPECT_FALSE(Fs().MoveFolderNoReplace("d:\\M\\Alpha", Spelled("d:\\M\\BETA", "d:\\M\\Beta\\")));
    EXPECT_TRUE(Fs().IsFolder("d:\\M\\Alpha\\inner"));
    EXPECT_TRUE(Fs().MoveFolderNoReplace(Spelled("d:\\m\\alpha", "d:\\M\\Alpha"), "d:\\M\\Gamma"));
    EXPECT_EQ(Listed("d:\\M\\*"), (Names{"Beta", "Gamma"}));
    EXPECT_TRUE(Fs().IsFolder("d:\\M\\Gamma\\inner"));
}

// Its own name in another letter case renames a folder to that spelling: where the volume ignores
// case the new spelling reaches the folder itself, elsewhere it is a free name.
TEST_P(FileSystemContract, LetterCaseOnlyRenameTakesTheNewSpelling) {
    ASSERT_TRUE(Fs().CreateFolderTree("d:\\M\\Alpha\\inner"));
    EXPECT_TRUE(Fs().MoveFolderNoReplace("d:\\M\\Alpha", "d:\\M\\ALPHA"));
    EXPECT_EQ(Listed("d:\\M\\*"), Names{"ALPHA"});
    EXPECT_FALSE(Fs().MoveFolderNoReplace("d:\\M\\ALPHA", "d:\\M\\ALPHA"));
}

// Sets the read-only bit and checks it reads back.
void MakeReadOnly(FileSystem& fs, const std::string& path, std::uint32_t& attributes) {
    ASSERT_TRUE(fs.GetAttributes(path, attributes));
    ASSERT_TRUE(fs.SetAttributes(path, attributes | kAttrReadOnly)) << path;
    ASSERT_TRUE(fs.GetAttributes(path, attributes));
    EXPECT_TRUE(attributes & kAttrReadOnly) << path;
}

TEST_P(FileSystemContract, ReadOnlyFilesAreRefusedUntilTheBitIsCleared) {
    Write("d:\\R\\f.txt", "kept");
    std::uint32_t attributes = 0;
    MakeReadOnly(Fs(), "d:\\R\\f.txt", attributes);
    EXPECT_FALSE(Fs().WriteWholeFile("d:\\R\\f.txt", "changed"));
    EXPECT_FALSE(Fs().RemoveFile("d:\\R\\f.txt"));
    FsError why = FsError::None;
    auto tree = Fs().OpenTree("d:\\R", why);
    ASSERT_TRUE(tree);
    EXPECT_FALSE(tree->RemoveFile("f.txt", why));
    EXPECT_EQ(why, FsError::AccessDenied);
    EXPECT_EQ(Read("d:\\R\\f.txt"), "kept");
    // A copy keeps the bit.
    FileStamp stamp;
    ASSERT_EQ(Fs().CopyNewFile("d:\\R\\f.txt", "d:\\R\\g.txt", stamp), CreateOutcome::Created);
    std::uint32_t copied = 0;
    ASSERT_TRUE(Fs().GetAttributes("d:\\R\\g.txt", copied));
    EXPECT_TRUE(copied & kAttrReadOnly);

    ASSERT_TRUE(tree->SetAttributes("f.txt", attributes & ~std::uint32_t{kAttrReadOnly}, why));
    EXPECT_TRUE(tree->RemoveFile("f.txt", why));
    ASSERT_TRUE(Fs().SetAttributes("d:\\R\\g.txt", copied & ~std::uint32_t{kAttrReadOnly}));
    EXPECT_TRUE(Fs().RemoveFile("d:\\R\\g.txt"));
    EXPECT_EQ(Listed("d:\\R\\*"), Names{});
}

TEST_P(FileSystemContract, ReadOnlyFoldersAreNotRemoved) {
    ASSERT_TRUE(Fs().CreateFolderTree("d:\\R\\Folder"));
    std::uint32_t attributes = 0;
    MakeReadOnly(Fs(), "d:\\R\\Folder", attributes);
    EXPECT_FALSE(Fs().RemoveEmptyFolder("d:\\R\\Folder"));
    FsError why = FsError::None;
    auto tree = Fs().OpenTree("d:\\R", why);
    ASSERT_TRUE(tree);
    EXPECT_FALSE(tree->RemoveFolder("Folder", why));
    EXPECT_EQ(why, FsError::AccessDenied);
    ASSERT_TRUE(Fs().SetAttributes("d:\\R\\Folder", attributes & ~std::uint32_t{kAttrReadOnly}));
    EXPECT_TRUE(tree->RemoveFolder("Folder", why));
}

// Deeper than the classic 260-character limit, through paths and through open trees alike.
TEST_P(FileSystemContract, LongPathsWork) {
    std::string path = "d:\\L";
    for (int i = 0; i < 12; ++i) path += "\\" + std::string(30, static_cast<char>('a' + i));
    ASSERT_GT(path.size(), 300u);
    ASSERT_TRUE(Fs().CreateFolderTree(path));
    Write(path + "\\deep.txt", "deep");
    EXPECT_EQ(Read(path + "\\deep.txt"), "deep");
    EXPECT_EQ(Listed(path + "\\*.txt"), Names{"deep.txt"});
    FsError why = FsError::None;
    auto tree = Fs().OpenTree(path, why);
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->MakeFolder("new", why), CreateOutcome::Created);
    EXPECT_TRUE(tree->RemoveFile("deep.txt", why));
    EXPECT_TRUE(tree->RemoveFolder("new", why));
    EXPECT_TRUE(Fs().RemoveEmptyFolder(path));
}

// Names Windows cannot make, or would read as another name, are refused before anything is
// made; a path ending in a period or a blank names nothing.
TEST_P(FileSystemContract, NamesWindowsCannotMakeAreRefused) {
    for (const char* path : {"d:\\con", "d:\\NUL.txt", "d:\\com1", "d:\\Lpt9.doc", "d:\\aux .x",
                             "d:\\a<b", "d:\\a|b", "d:\\trailing.", "d:\\blank "}) {
        EXPECT_EQ(Fs().CreateFolder(path), CreateOutcome::Failed) << path;
        EXPECT_FALSE(Fs().CreateFolderTree(std::string(path) + "\\x")) << path;
        EXPECT_FALSE(Fs().WriteWholeFile(path, "x")) << path;
    }
    EXPECT_EQ(Listed("d:\\*"), Names{});
    EXPECT_EQ(Fs().CreateFolder("d:\\console"), CreateOutcome::Created);
    EXPECT_EQ(Fs().CreateFolder("d:\\com10"), CreateOutcome::Created);
    FsError why = FsError::None;
    EXPECT_FALSE(Fs().Exists("d:\\console.", why));
    auto tree = Fs().OpenTree("d:\\", why);
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->MakeFolder("prn", why), CreateOutcome::Failed);
    EXPECT_EQ(tree->MakeFolder("odd.", why), CreateOutcome::Failed);
    EXPECT_EQ(tree->MakeFolder("CONSOLE", why),
              ignoresCase_ ? CreateOutcome::Existed : CreateOutcome::Created);
}

TEST_P(FileSystemContract, OpenTreesMakeListAndRemove) {
    Write("d:\\P\\Sub\\f.txt", "f");
    FsError why = FsError::None;
    auto tree = Fs().OpenTree(Spelled("d:\\p", "d:\\P"), why);
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->MakeFolder(Spelled("SUB", "Sub"), why), CreateOutcome::Existed);
    EXPECT_EQ(tree->MakeFolder(Spelled("sub\\New", "Sub\\New"), why), CreateOutcome::Created);
    EXPECT_EQ(tree->MakeFolder("Sub\\f.txt", why), CreateOutcome::Failed);
    std::vector<DirEntry> entries;
    ASSERT_TRUE(tree->List(Spelled("sub", "Sub"), "*", entries, why));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "f.txt");
    EXPECT_FALSE(entries[0].isFolder);
    EXPECT_EQ(entries[0].size, 1u);
    EXPECT_EQ(entries[1].name, "New");
    EXPECT_TRUE(entries[1].isFolder);
    EXPECT_FALSE(tree->List("Sub\\f.txt", "*", entries, why));
    EXPECT_EQ(why, FsError::NotAFolder);
    EXPECT_FALSE(tree->List("missing", "*", entries, why));
    EXPECT_EQ(why, FsError::NotFound);
    EXPECT_FALSE(tree->RemoveFolder("Sub", why));
    EXPECT_EQ(why, FsError::NotEmpty);
    EXPECT_TRUE(tree->RemoveFile(Spelled("SUB\\F.TXT", "Sub\\f.txt"), why));
    EXPECT_TRUE(tree->RemoveFolder(Spelled("sub\\new", "Sub\\New"), why));
    EXPECT_TRUE(tree->RemoveFolder(Spelled("sub", "Sub"), why));
    EXPECT_TRUE(tree->RemoveFolder("", why));
    EXPECT_FALSE(Fs().IsFolder("d:\\P"));
}

// A listing of kinds names the same entries in the same order with the same kinds; a file's status
// is either read or flagged as unread, never made up. Relative paths may be written in any of the
// forms Windows takes.
TEST_P(FileSystemContract, ListingKindsAgreesWithTheFullListing) {
    Write("d:\\T\\Sub\\Inner\\deep.txt", "deep");
    Write("d:\\T\\Sub\\b.TXT", "bb");
    Write("d:\\T\\Sub\\a.log", "a");
    Write("d:\\Outside\\keep.txt", "keep");
    // Wine makes no links (see tests/windows-exclusions.txt); the memory backend does everywhere.
#ifdef _WIN32
    const bool links = GetParam() == Backend::Memory;
#else
    const bool links = true;
#endif
    if (links) MakeFolderLink("T\\Sub\\link", "Outside");
    FsError why = FsError::None;
    auto tree = Fs().OpenTree("d:\\T", why);
    ASSERT_TRUE(tree);
    // A folder listed once lists whole again.
    std::vector<DirEntry> first;
    ASSERT_TRUE(tree->ListKinds(Spelled("sub\\INNER", "Sub\\Inner"), "*", first, why));
    EXPECT_EQ(first.size(), 1u);
    ASSERT_TRUE(tree->ListKinds(Spelled("sub", "Sub"), "*", first, why));
    EXPECT_EQ(first.size(), links ? 4u : 3u);
    const std::vector<std::string> spellings =
        ignoresCase_
            ? std::vector<std::string>{"Sub", "sub", "SUB/", "\\sub\\", "sub//inner\\..\\inner"}
            : std::vector<std::string>{"Sub", "Sub/", "\\Sub\\", "Sub//Inner\\..\\Inner"};
    for (const std::string& relative : spellings) {
        for (const std::string pattern : {"*", "*.txt"}) {
            std::vector<DirEntry> full, kinds;
            FsError fullWhy = FsError::None, kindsWhy = FsError::None;
            const bool listed = tree->List(relative, pattern, full, fullWhy);
            ASSERT_EQ(tree->ListKinds(relative, pattern, kinds, kindsWhy), listed) << relative;
            EXPECT_EQ(kindsWhy, fullWhy) << relative;
            ASSERT_EQ(kinds.size(), full.size()) << relative << " " << pattern;
            for (std::size_t i = 0; i < full.size(); ++i) {
                const std::string at = relative + " " + pattern + " " + full[i].name;
                EXPECT_EQ(kinds[i].name, full[i].name) << at;
                EXPECT_EQ(kinds[i].isFolder, full[i].isFolder) << at;
                EXPECT_EQ(kinds[i].isLink, full[i].isLink) << at;
                EXPECT_EQ(kinds[i].unaddressable, full[i].unaddressable) << at;
                EXPECT_TRUE(full[i].statusRead) << at;
                if (kinds[i].statusRead) {
                    EXPECT_EQ(kinds[i].size, full[i].size) << at;
                    EXPECT_EQ(kinds[i].attributes, full[i].attributes) << at;
                } else {
                    EXPECT_FALSE(kinds[i].isFolder || kinds[i].isLink) << at;
                    EXPECT_EQ(kinds[i].size, 0u) << at;
                }
            }
        }
    }
    std::vector<DirEntry> entries;
    ASSERT_TRUE(tree->ListKinds(Spelled("SUB\\", "Sub\\"), "*", entries, why));
    ASSERT_EQ(entries.size(), links ? 4u : 3u);
    EXPECT_EQ(entries[0].name, "a.log");
    EXPECT_EQ(entries[1].name, "b.TXT");
    EXPECT_EQ(entries[2].name, "Inner");
    if (links) {
        EXPECT_EQ(entries[3].name, "link");
        EXPECT_TRUE(entries[3].isLink && entries[3].isFolder);
    }
    EXPECT_FALSE(tree->ListKinds(Spelled("sub\\b.txt", "Sub\\b.TXT"), "*", entries, why));
    EXPECT_EQ(why, FsError::NotAFolder);
    EXPECT_FALSE(tree->ListKinds("missing", "*", entries, why));
    EXPECT_EQ(why, FsError::NotFound);
    // The same tree goes on to remove by any spelling of the path.
    EXPECT_TRUE(tree->RemoveFile(Spelled("sub/INNER//deep.TXT", "Sub/Inner//deep.txt"), why));
    EXPECT_TRUE(tree->RemoveFolder(Spelled("\\Sub\\inner\\", "\\Sub\\Inner\\"), why));
    EXPECT_FALSE(Fs().IsFolder("d:\\T\\Sub\\Inner"));
    // The folder went by one spelling while the tree held it open by another (where the volume
    // ignores case): a new one of that name is the one listed, not the removed one.
    Write("d:\\T\\Sub\\Inner\\new.txt", "new");
    ASSERT_TRUE(tree->List(Spelled("sub\\INNER", "Sub\\Inner"), "*", entries, why));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "new.txt");
}

// A link inside a tree is listed as a link, never entered, and removed as the entry it is.
TEST_P(FileSystemContract, LinksAreNeverEntered) {
    Write("d:\\Outside\\keep.txt", "keep");
    ASSERT_TRUE(Fs().CreateFolderTree("d:\\Tree"));
    MakeFolderLink("Tree\\link", "Outside");
    FsError why = FsError::None;
    auto tree = Fs().OpenTree("d:\\Tree", why);
    ASSERT_TRUE(tree);
    std::vector<DirEntry> entries;
    ASSERT_TRUE(tree->List("", "*", entries, why));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].isLink);
    EXPECT_TRUE(entries[0].isFolder);
    EXPECT_FALSE(tree->List("link", "*", entries, why));
    EXPECT_EQ(why, FsError::IsLink);
    EXPECT_EQ(tree->MakeFolder("link\\new", why), CreateOutcome::Failed);
    EXPECT_TRUE(Fs().IsLink("d:\\Tree\\link"));
    EXPECT_FALSE(tree->RemoveFolder("link", why));
    EXPECT_TRUE(tree->RemoveFile("link", why));
    EXPECT_EQ(Read("d:\\Outside\\keep.txt"), "keep");
    EXPECT_FALSE(Fs().OpenTree("d:\\Tree\\link", why, true));
}

// Asking whether something could be made answers as making it would, by path and in an open tree,
// and makes nothing.
TEST_P(FileSystemContract, CanCreateAnswersAsTheCreationWould) {
    Write("d:\\W\\file.txt");
    ASSERT_TRUE(Fs().CreateFolderTree("d:\\W\\Sub"));
    const struct {
        const char* relative;
        CreateOutcome outcome;
        FsError why;
    } cases[] = {
        {"New", CreateOutcome::Created, FsError::None},
        {"New\\Deeper\\Still", CreateOutcome::Created, FsError::None},
        {"Sub", CreateOutcome::Existed, FsError::Exists},
        {"Sub\\x.txt", CreateOutcome::Created, FsError::None},
        {"file.txt", CreateOutcome::Failed, FsError::Exists},
        {"file.txt\\x", CreateOutcome::Failed, FsError::NotAFolder},
        {"CON", CreateOutcome::Failed, FsError::BadName},
        {"New\\nul.txt", CreateOutcome::Failed, FsError::BadName},
        {"Sub\\trail.", CreateOutcome::Failed, FsError::BadName},
        {"a<b", CreateOutcome::Failed, FsError::BadName},
    };
    FsError why = FsError::None;
    auto tree = Fs().OpenTree("d:\\W", why);
    ASSERT_TRUE(tree);
    for (const auto& c : cases) {
        why = FsError::None;
        EXPECT_EQ(tree->CanCreate(c.relative, why), c.outcome) << c.relative;
        if (c.why != FsError::None) {
            EXPECT_EQ(why, c.why) << c.relative;
        }
        // A path names nothing that ends in a period; only the open tree tells why.
        if (std::string(c.relative).back() == '.') continue;
        why = FsError::None;
        EXPECT_EQ(Fs().CanCreate(std::string("d:\\W\\") + c.relative, why), c.outcome)
            << c.relative;
    }
    EXPECT_EQ(Listed("d:\\W\\*"), (Names{"file.txt", "Sub"}));
    EXPECT_EQ(Listed("d:\\W\\Sub\\*"), Names{});
}

// A folder is the same folder however it is reached: by path, through a link, in an open tree.
TEST_P(FileSystemContract, FolderIdentityIsTheSameForEveryWayToAFolder) {
    ASSERT_TRUE(Fs().CreateFolderTree("d:\\W\\Sub"));
    ASSERT_TRUE(Fs().CreateFolderTree("d:\\W\\Other"));
    ASSERT_TRUE(Fs().CreateFolderTree("d:\\Target"));
    Write("d:\\W\\file.txt");
    FsError why = FsError::None;
    FolderIdentity byPath, byTree, other;
    ASSERT_TRUE(Fs().IdentifyFolder("d:\\W\\Sub", byPath, why));
    auto tree = Fs().OpenTree("d:\\W", why);
    ASSERT_TRUE(tree);
    ASSERT_TRUE(tree->IdentifyFolder("Sub", byTree, why));
    ASSERT_TRUE(Fs().IdentifyFolder("d:\\W\\Other", other, why));
    EXPECT_EQ(byPath.volume, byTree.volume);
    EXPECT_EQ(byPath.index, byTree.index);
    EXPECT_NE(byPath.index, other.index);
    EXPECT_FALSE(Fs().IdentifyFolder("d:\\W\\file.txt", other, why));
    EXPECT_EQ(why, FsError::NotAFolder);
    EXPECT_FALSE(tree->IdentifyFolder("missing", other, why));
    EXPECT_EQ(why, FsError::NotFound);
#ifdef _WIN32
    if (GetParam() != Backend::Memory) return;  // Wine makes no links
#endif
    MakeFolderLink("W\\link", "Target");
    FolderIdentity throughLink, target;
    ASSERT_TRUE(Fs().IdentifyFolder("d:\\W\\link", throughLink, why));
    ASSERT_TRUE(Fs().IdentifyFolder("d:\\Target", target, why));
    EXPECT_EQ(throughLink.index, target.index);
    // An open tree never goes through a link, so it has nothing to tell there.
    EXPECT_FALSE(tree->IdentifyFolder("link", other, why));
    EXPECT_EQ(tree->CanCreate("link\\x", why), CreateOutcome::Failed);
    EXPECT_EQ(Fs().CanCreate("d:\\W\\link\\x", why), CreateOutcome::Created);
}

INSTANTIATE_TEST_SUITE_P(Backends, FileSystemContract,
                         ::testing::Values(Backend::Host, Backend::Memory,
                                           Backend::CaseIgnoringVolume),
                         [](const auto& info) {
                             switch (info.param) {
                                 case Backend::Host:
                                     return "Host";
                                 case Backend::Memory:
                                     return "Memory";
                                 case Backend::CaseIgnoringVolume:
                                     break;
                             }
                             return "CaseIgnoringVolume";
                         });

}  // namespace
}  // namespace arbovane
