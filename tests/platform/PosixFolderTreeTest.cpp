#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "PosixFileSystemFixture.h"
#include "support/TreeSnapshot.h"

namespace arbovane {
namespace {

using testing::TempDrives;

class PosixFolderTreeTest : public testing::PosixFileSystemFixture {
protected:
    std::unique_ptr<FolderTree> Tree(const std::string& root) {
        FsError why = FsError::None;
        auto tree = Fs().OpenTree(root, why);
        EXPECT_TRUE(tree) << root << ": " << FsErrorText(why);
        return tree;
    }
    std::vector<std::string> Names(FolderTree& tree, const std::string& relative) {
        std::vector<DirEntry> entries;
        FsError why = FsError::None;
        std::vector<std::string> names;
        if (!tree.List(relative, "*.*", entries, why))
            return {"(" + std::string(FsErrorText(why)) + ")"};
        for (const DirEntry& entry : entries) names.push_back(entry.name);
        return names;
    }
};

// A folder swapped for a link to a folder outside the tree, at every step a walk takes: the
// tree's calls never reach the link's target, whether the folder was open already or not.
TEST_F(PosixFolderTreeTest, AFolderSwappedForALinkNeverLeadsOutside) {
    using Step = std::function<void(FolderTree&)>;
    FileStamp stamp;
    const struct {
        const char* name;
        Step step;
    } steps[] = {
        {"list",
         [](FolderTree& t) {
             std::vector<DirEntry> e;
             FsError w;
             t.List("A", "*.*", e, w);
             for (auto& x : e) EXPECT_NE(x.name, "secret.txt");
         }},
        {"remove a file",
         [](FolderTree& t) {
             FsError w;
             t.RemoveFile("A\\secret.txt", w);
         }},
        {"remove a folder",
         [](FolderTree& t) {
             FsError w;
             t.RemoveFolder("A\\Empty", w);
         }},
        {"make a folder",
         [](FolderTree& t) {
             FsError w;
             t.MakeFolder("A\\New", w);
         }},
        {"set attributes",
         [](FolderTree& t) {
             FsError w;
             t.SetAttributes("A\\secret.txt", kAttrReadOnly, w);
         }},
        {"copy out of it",
         [&](FolderTree& t) {
             FsError w;
             t.CopyFileTo("A\\secret.txt", t, "copy.txt", stamp, w);
         }},
        {"copy into it",
         [&](FolderTree& t) {
             FsError w;
             t.CopyFileTo("keep.txt", t, "A\\keep.txt", stamp, w);
         }},
    };
    for (const bool openBefore : {false, true}) {
        for (const auto& step : steps) {
            SCOPED_TRACE(std::string(step.name) + (openBefore ? ", folder open before" : ""));
            std::filesystem::remove_all(Host("T"));
            std::filesystem::remove_all(Host("Outside"));
            TempDrives::WriteHostFile(Host("T/A/f.txt"), "inside");
            TempDrives::WriteHostFile(Host("T/keep.txt"), "keep");
            TempDrives::WriteHostFile(Host("Outside/secret.txt"), "secret");
            TempDrives::MakeHostFolder(Host("Outside/Empty"));
            const auto outside = testing::TreeSnapshot(Host("Outside"));
            auto tree = Tree("d:\\T");
            if (openBefore) {
                EXPECT_EQ(Names(*tree, "A"), (std::vector<std::string>{"f.txt"}));
            }
            std::filesystem::rename(Host("T/A"), Host("T/Moved"));
            std::filesystem::create_directory_symlink(Host("Outside"), Host("T/A"));
            step.step(*tree);
            EXPECT_EQ(testing::TreeSnapshot(Host("Outside")), outside);
            EXPECT_FALSE(HostExists(Host("T/copy.txt")));
        }
    }
}

TEST_F(PosixFolderTreeTest, ListingFlagsWhatAWalkMustNotReach) {
    TempDrives::MakeHostFolder(Host("T/folder"));
    TempDrives::WriteHostFile(Host("T/abc"), "sibling");
    TempDrives::WriteHostFile(Host("T/abc."), "dotted");
    TempDrives::WriteHostFile(Host("T/blank "), "blank");
    TempDrives::WriteHostFile(Host("T/back\\slash"), "slash");
    ASSERT_EQ(symlink(Host("T/folder").c_str(), Host("T/link").c_str()), 0);
    auto tree = Tree("d:\\T");
    std::vector<DirEntry> entries;
    FsError why = FsError::None;
    ASSERT_TRUE(tree->List("", "*.*", entries, why));
    std::map<std::string, std::string> seen;
    for (const DirEntry& e : entries)
        seen[e.name] = std::string(e.isFolder ? "folder" : "file") + (e.isLink ? " link" : "") +
                       (e.unaddressable ? " unaddressable" : "");
    EXPECT_EQ(seen, (std::map<std::string, std::string>{{"abc", "file"},
                                                        {"abc.", "file unaddressable"},
                                                        {"back\\slash", "file unaddressable"},
                                                        {"blank ", "file unaddressable"},
                                                        {"folder", "folder"},
                                                        {"link", "folder link"}}));
    // Such a name is never resolved to its sibling.
    EXPECT_FALSE(tree->RemoveFile("abc.", why));
    EXPECT_EQ(why, FsError::BadName);
    EXPECT_EQ(TempDrives::ReadHostFile(Host("T/abc")), "sibling");
    EXPECT_FALSE(Fs().OpenTree("d:\\T\\link", why, true));
    EXPECT_EQ(why, FsError::IsLink);
}

// A name reaches what the host reaches: on this volume another spelling is another name, made
// beside the first, and never finds it.
TEST_F(PosixFolderTreeTest, NamesMatchAsTheHostSpellsThem) {
    TempDrives::WriteHostFile(Host("T/Sub/Doc.txt"), "doc");
    auto tree = Tree("d:\\T");
    FsError why = FsError::None;
    EXPECT_EQ(tree->MakeFolder("Sub", why), CreateOutcome::Existed);
    EXPECT_EQ(tree->MakeFolder("SUB", why), CreateOutcome::Created);
    EXPECT_EQ(tree->MakeFolder("sub\\New", why), CreateOutcome::Failed);
    EXPECT_EQ(why, FsError::NotFound);
    EXPECT_EQ(tree->MakeFolder("Sub\\New", why), CreateOutcome::Created);
    EXPECT_EQ(tree->MakeFolder("Sub\\NEW", why), CreateOutcome::Created);
    FileStamp stamp;
    EXPECT_EQ(tree->CopyFileTo("Sub\\doc.TXT", *tree, "Sub\\New\\Copy.txt", stamp, why),
              CreateOutcome::Failed);
    EXPECT_EQ(tree->CopyFileTo("Sub\\Doc.txt", *tree, "Sub\\New\\Copy.txt", stamp, why),
              CreateOutcome::Created);
    EXPECT_EQ(tree->CopyFileTo("Sub\\Doc.txt", *tree, "Sub\\New\\COPY.TXT", stamp, why),
              CreateOutcome::Created);
    EXPECT_EQ(TempDrives::ReadHostFile(Host("T/Sub/New/Copy.txt")), "doc");
    EXPECT_EQ(TempDrives::ReadHostFile(Host("T/Sub/New/COPY.TXT")), "doc");
    EXPECT_FALSE(tree->RemoveFile("SUB\\New\\copy.txt", why));
    EXPECT_FALSE(tree->RemoveFile("Sub\\New\\copy.txt", why));
    EXPECT_TRUE(tree->RemoveFile("Sub\\New\\Copy.txt", why));
    EXPECT_TRUE(tree->RemoveFile("Sub\\New\\COPY.TXT", why));
    EXPECT_TRUE(tree->RemoveFolder("Sub\\New", why));
    EXPECT_TRUE(tree->RemoveFolder("Sub\\NEW", why));
    EXPECT_TRUE(tree->RemoveFolder("SUB", why));
    EXPECT_FALSE(tree->RemoveFolder("Sub", why));
    EXPECT_EQ(why, FsError::NotEmpty);
    EXPECT_FALSE(tree->RemoveFile("Sub\\missing.txt", why));
    EXPECT_EQ(why, FsError::NotFound);
}

// A walk by open folders is not bound by the host's path length.
TEST_F(PosixFolderTreeTest, TreesDeeperThanTheHostPathLimit) {
    const std::string name(200, 'n');
    auto tree = Tree("d:\\");
    FsError why = FsError::None;
    std::string relative;
    for (int level = 0; level < 40; ++level) {
        relative += (relative.empty() ? "" : "\\") + name;
        ASSERT_EQ(tree->MakeFolder(relative, why), CreateOutcome::Created) << level;
    }
    EXPECT_GT(relative.size(), 4096u);
    EXPECT_EQ(Names(*tree, relative), std::vector<std::string>{});
    for (int level = 40; level > 0; --level) {
        ASSERT_TRUE(tree->RemoveFolder(relative, why)) << level << " " << FsErrorText(why);
        relative.erase(relative.size() - std::min(relative.size(), name.size() + 1));
    }
    EXPECT_FALSE(HostExists(Host(name)));
}

}  // namespace
}  // namespace arbovane
