#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/visuallog/VisualLog.h"
#include "support/FaultyFileSystem.h"
#include "support/HostOnly.h"
#include "support/TempDrives.h"

namespace arbovane::testing {

using Lines = std::vector<std::string>;

// D: on a fresh host folder, seen through a FaultyFileSystem, with the Delete tab's Visual Log.
// The current directory is d:\Start, outside every tree the tests delete, and must be there
// again after each test.
class DeleteFixture : public ::testing::Test {
protected:
    void SetUp() override {
        host_ = drives_.Map('D');
        TempDrives::MakeHostFolder(host_ + "/Start");
        ASSERT_TRUE(drives_.Fs().ReadCurrentDirectory(hostBefore_));
        ASSERT_TRUE(drives_.Fs().MakeCurrentDirectory("d:\\Start"));
    }
    void TearDown() override {
        std::string after;
        EXPECT_TRUE(drives_.Fs().ReadCurrentDirectory(after));
        EXPECT_EQ(after, "D:\\Start") << "the current directory moved";
        drives_.Fs().MakeCurrentDirectory(hostBefore_);
    }

    std::string Host(const std::string& relative) const { return host_ + "/" + relative; }
    void Folder(const std::string& relative) { TempDrives::MakeHostFolder(Host(relative)); }
    void File(const std::string& relative, const std::string& bytes = "x") {
        TempDrives::WriteHostFile(Host(relative), bytes);
    }
    // A symbolic link at relative pointing to the host path target; false where the host makes
    // none, which linksMade_ then remembers.
    bool Link(const std::string& relative, const std::string& target) {
        const bool made = MakeHostLink(target, Host(relative));
        linksMade_ = linksMade_ && made;
        return made;
    }
    bool Exists(const std::string& relative) const {
        std::error_code ec;
        return std::filesystem::symlink_status(Host(relative), ec).type() !=
               std::filesystem::file_type::not_found;
    }
    Lines Of(Vol07Category category) const { return log_.Lines(category); }
    double Count(Vol07Counter counter) const { return log_.Counter(counter); }

    TempDrives drives_;
    FaultyFileSystem fs_{drives_.Fs()};
    VisualLog log_{VisualLogTab::Vol07};
    std::string host_;
    std::string hostBefore_;
    bool linksMade_ = true;
};

}  // namespace arbovane::testing
