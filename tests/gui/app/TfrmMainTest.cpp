#include <gtest/gtest.h>

#include "gui/app/TfrmMain.h"

namespace arbovane {
namespace {

TEST(TfrmMain, CaptionIsTheProgramTitle) {
    TfrmMain window;
    EXPECT_EQ(window.windowTitle().toStdString(), "Arbovane 8.20");
}

}  // namespace
}  // namespace arbovane
