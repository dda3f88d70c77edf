#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QListView>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/app/ProgramSettings.h"
#include "gui/acquire/TfrmFileExport.h"
#include "gui/app/GuiContext.h"
#include "gui/lists/FolderListPane.h"
#include "gui/lists/TfrmVol02EditIncludeList.h"
#include "gui/lists/TfrmVol04EditIncludeList.h"
#include "gui/lists/TfrmVol06EditIncludeList.h"
#include "gui/lists/TfrmVol07EditIncludeList.h"
#include "gui/lists/TfrmVol08EditIncludeList.h"
#include "gui/lists/TfrmZoomIncludeWindow.h"
#include "support/ListViews.h"
#include "support/ScriptedMessenger.h"
#include "support/ScriptedShell.h"
#include "support/TempDrives.h"

namespace arbovane {

using Lines = std::vector<std::string>;

// The shared windows created once, as the program entry does, and one pane per tab on demand.
class ListsGuiFixture : public ::testing::Test {
protected:
    ListsGuiFixture() { drives_.Map('D'); }

    EditIncludeListWindow& EditWindow(TabPrefix prefix) {
        switch (prefix) {
            case TabPrefix::Vol08:
                return edit08_;
            case TabPrefix::Vol07:
                return edit07_;
            case TabPrefix::Vol06:
                return edit06_;
            case TabPrefix::Vol04:
                return edit04_;
            case TabPrefix::Vol02:
                return edit02_;
        }
        return edit08_;
    }

    FolderListPane& Pane(TabPrefix prefix) {
        auto& pane = panes_[static_cast<int>(prefix)];
        if (!pane) {
            pane = std::make_unique<FolderListPane>(context_, prefix, zoom_, EditWindow(prefix),
                                                    export_);
            pane->SetRefreshHook([this] { ++refreshes_; });
        }
        return *pane;
    }

    template <typename Widget>
    Widget* Find(QWidget& parent, const std::string& name) {
        auto* widget = parent.findChild<Widget*>(QString::fromStdString(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QListView* List(FolderListPane& pane, bool include) {
        const ListTabTexts& t = pane.Model().Texts();
        return Find<QListView>(pane, include ? t.includeListName : t.excludeListName);
    }
    Lines Items(FolderListPane& pane, bool include) {
        return testing::RowTexts(List(pane, include));
    }
    std::string Counter(FolderListPane& pane, bool include) {
        const ListTabTexts& t = pane.Model().Texts();
        auto* label = Find<QLabel>(pane, include ? t.includeSumName : t.excludeSumName);
        return label ? label->text().toStdString() : "";
    }
    void Select(FolderListPane& pane, bool include, const std::vector<int>& rows) {
        testing::SelectRows(List(pane, include), rows);
    }
    void Click(FolderListPane& pane, const std::string& name) {
        if (auto* button = Find<QAbstractButton>(pane, name)) button->click();
    }
    void Fill(FolderListPane& pane, const Lines& include, const Lines& exclude) {
        pane.Model().Include().AddAll(include);
        pane.Model().Exclude().AddAll(exclude);
        pane.ListsChanged();
    }

    // Runs action once the modal window is up; the windows let messages run before they show, so a
    // plain zero timer could fire too early. Gives up waiting after about five seconds.
    static void WhenShown(QWidget& window, std::function<void()> action, int tries = 1000) {
        QTimer::singleShot(5, [&window, action = std::move(action), tries]() mutable {
            if (window.isVisible() || tries == 0)
                action();
            else
                WhenShown(window, std::move(action), tries - 1);
        });
    }

    testing::TempDrives drives_;
    testing::ScriptedMessenger messenger_;
    testing::ScriptedShell shell_;
    ProgramSettings settings_;
    GuiContext context_{drives_.Fs(), drives_.TextPort(), messenger_, shell_, settings_};
    TfrmZoomIncludeWindow zoom_{context_};
    TfrmVol08EditIncludeList edit08_{context_};
    TfrmVol07EditIncludeList edit07_{context_};
    TfrmVol06EditIncludeList edit06_{context_};
    TfrmVol04EditIncludeList edit04_{context_};
    TfrmVol02EditIncludeList edit02_{context_};
    TfrmFileExport export_{context_};
    std::unique_ptr<FolderListPane> panes_[5];
    int refreshes_ = 0;
};

}  // namespace arbovane
