#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>

#include "gui/app/QtMessenger.h"

namespace arbovane {
namespace {

TEST(QtMessenger, FlagsDecideIconButtonsAndDefault) {
    const struct {
        int flags;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
    } cases[] = {
        {0, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok},
        {16, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok},
        {48, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok},
        {64, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok},
        {292, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No},
    };
    for (const auto& c : cases) {
        QMessageBox box;
        ConfigureMessageBox(box, "line 1\nline\t2 <b>x</b>", "Title            Warning no: 0001.",
                            c.flags);
        EXPECT_EQ(box.icon(), c.icon) << c.flags;
        EXPECT_EQ(box.standardButtons(), c.buttons) << c.flags;
        ASSERT_NE(box.defaultButton(), nullptr) << c.flags;
        EXPECT_EQ(box.standardButton(box.defaultButton()), c.defaultButton) << c.flags;
        EXPECT_EQ(box.windowTitle().toStdString(), "Title            Warning no: 0001.");
        // Texts are shown as they stand, never read as markup.
        EXPECT_EQ(box.text().toStdString(), "line 1\nline\t2 <b>x</b>");
        EXPECT_EQ(box.textFormat(), Qt::PlainText);
    }
}

}  // namespace
}  // namespace arbovane
