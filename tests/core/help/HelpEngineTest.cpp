#include <gtest/gtest.h>

#include "core/help/HelpEngine.h"
#include "support/ScriptedMessenger.h"
#include "support/TempDrives.h"

namespace arbovane {
namespace {

using testing::ScriptedMessenger;
using testing::TempDrives;

class HelpEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        host_ = drives_.Map('D');
        TempDrives::MakeHostFolder(host_ + "/Work");
        TempDrives::WriteHostFile(host_ + "/App/guide.html", "<html></html>");
        ASSERT_TRUE(drives_.Fs().ReadCurrentDirectory(before_));
    }
    TempDrives drives_;
    ScriptedMessenger messenger_;
    std::string host_, before_;
};

TEST_F(HelpEngineTest, ClosesAnExistingGuideSilently) {
    HelpEngine help(drives_.Fs());
    help.SetHelpFile("d:\\App\\guide.html");
    CloseHelpAtExit(drives_.Fs(), messenger_, help, "d:\\Work", "ID");
    EXPECT_TRUE(messenger_.Shown().empty());
    EXPECT_EQ(help.ClosedFor(), "ID");
    std::string after;
    ASSERT_TRUE(drives_.Fs().ReadCurrentDirectory(after));
    EXPECT_EQ(after, before_);
}

TEST_F(HelpEngineTest, MissingGuideShowsTheSevereError) {
    for (const std::string file : {"", "d:\\App\\gone.html"}) {
        messenger_.Clear();
        HelpEngine help(drives_.Fs());
        help.SetHelpFile(file);
        CloseHelpAtExit(drives_.Fs(), messenger_, help, "d:\\Work", "ID");
        ASSERT_EQ(messenger_.Shown().size(), 1u) << file;
        const auto& box = messenger_.Shown()[0];
        EXPECT_EQ(box.text,
                  "Unable to activate help !\n\nThe help file could be damaged. \n\nE-mail us "
                  "immediately, please!");
        EXPECT_EQ(box.title, "Severe Error!    Msg no: 0103.");
        EXPECT_EQ(box.flags, 16);
        EXPECT_EQ(box.owner, MessageOwner::System);
    }
    std::string after;
    ASSERT_TRUE(drives_.Fs().ReadCurrentDirectory(after));
    EXPECT_EQ(after, before_);
}

}  // namespace
}  // namespace arbovane
