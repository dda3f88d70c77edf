#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QTabWidget>
#include <set>
#include <vector>

#include "gui/app/ProgramWindows.h"
#include "gui/app/TfrmMain.h"
#include "gui/visuallog/VisualLogWindow.h"
#include "support/MainWindowFixture.h"

namespace arbovane {
namespace {

// A 1366 x 768 screen less a task bar of 40 pixels, a title bar of 32 and window borders of 8.
const QSize kRoom(1366 - 2 * 8, 768 - 40 - 32 - 8);

std::string SizeText(const QSize& size) {
    return std::to_string(size.width()) + " x " + std::to_string(size.height());
}

bool Fits(const QSize& size) {
    return size.width() <= kRoom.width() && size.height() <= kRoom.height();
}

// Every caption of the page is shown whole.
void ExpectNoCaptionClipped(QWidget* page, const std::string& where) {
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(page) || button->text().isEmpty()) continue;
        EXPECT_GE(button->width(), button->minimumSizeHint().width())
            << where << ": " << button->objectName().toStdString() << " \""
            << button->text().toStdString() << "\"";
    }
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(page) || label->text().isEmpty() || label->wordWrap()) continue;
        EXPECT_GE(label->width(), label->minimumSizeHint().width())
            << where << ": label \"" << label->text().toStdString() << "\"";
    }
}

// Every visible widget of the window lies inside it, so nothing is cut off at its edges.
void ExpectChildrenInside(QWidget* window, const std::string& where) {
    const QRect inside = window->rect();
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(window) || child->isWindow()) continue;
        const QRect placed(child->mapTo(window, QPoint(0, 0)), child->size());
        EXPECT_TRUE(inside.contains(placed))
            << where << ": " << child->metaObject()->className() << " "
            << child->objectName().toStdString() << " at " << placed.x() << "," << placed.y() << " "
            << SizeText(placed.size()) << " outside " << SizeText(inside.size());
    }
}

class WindowFitTest : public MainWindowFixture {};

TEST_F(WindowFitTest, EveryWindowOfTheProgramFitsAndHoldsItsWidgets) {
    Start();
    const std::vector<QWidget*> all = windows_->All();
    // The list reaches the main window, the Visual Log windows and their zoom windows too.
    EXPECT_GE(all.size(), std::size_t{40});
    std::set<QWidget*> seen;
    for (QWidget* window : all) {
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(seen.insert(window).second) << window->objectName().toStdString();
        const std::string name = window->objectName().toStdString();
        window->show();
        window->adjustSize();
        QApplication::processEvents();
        const QSize smallest = window->minimumSizeHint().expandedTo(window->minimumSize());
        EXPECT_TRUE(Fits(window->size())) << name << " as shown: " << SizeText(window->size());
        EXPECT_TRUE(Fits(smallest)) << name << " at its smallest: " << SizeText(smallest);
        ExpectChildrenInside(window, name);
        window->hide();
    }
}

TEST_F(WindowFitTest, EveryWindowFitsA1366By768Screen) {
    Start();
    TfrmMain& main = Main();
    main.show();
    QApplication::processEvents();
    const QSize smallest = main.minimumSizeHint().expandedTo(main.minimumSize());
    EXPECT_TRUE(Fits(smallest)) << "main window at its smallest: " << SizeText(smallest);
    EXPECT_TRUE(Fits(main.size())) << "main window at start: " << SizeText(main.size());

    // At its smallest every tab is still whole.
    main.resize(smallest);
    QTabWidget* pages = main.Pages();
    for (int tab = 0; tab < pages->count(); ++tab) {
        pages->setCurrentIndex(tab);
        QApplication::processEvents();
        ExpectNoCaptionClipped(pages->widget(tab), pages->tabText(tab).toStdString());
    }

    for (int tab = 0; tab < 6; ++tab) {
        VisualLogWindow& window = windows_->LogWindow(tab);
        window.show();
        QApplication::processEvents();
        const std::string name = window.objectName().toStdString();
        EXPECT_TRUE(Fits(window.size())) << name << " at start: " << SizeText(window.size());
        EXPECT_TRUE(Fits(window.minimumSizeHint()))
            << name << " at its smallest: " << SizeText(window.minimumSizeHint());
        window.resize(window.minimumSizeHint());
        QApplication::processEvents();
        ExpectNoCaptionClipped(&window, name);
        window.hide();
    }
}

}  // namespace
}  // namespace arbovane
