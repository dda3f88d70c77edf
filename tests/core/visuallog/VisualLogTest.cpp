#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "FakeRefreshClock.h"
#include "core/visuallog/VisualLog.h"
#include "core/visuallog/VisualLogView.h"

namespace arbovane {
namespace {

using namespace std::chrono_literals;
using testing::FakeRefreshClock;
using Lines = std::vector<std::string>;

// Records what the log asks of its window, and what the window would see at each repaint.
class RecordingView : public VisualLogView {
public:
    explicit RecordingView(const VisualLog& log) : log_(log) {}

    void Repaint() override {
        ++repaints;
        shownCounters.clear();
        for (std::size_t i = 0; i < log_.CounterCount(); ++i)
            shownCounters.push_back(log_.CounterTextAt(i));
    }
    void MarkerChanged() override { markers.push_back(log_.MarkerText()); }
    void CategoriesAboutToBeCleared() override {
        ++clears;
        linesBeforeClear = 0;
        for (std::size_t i = 0; i < log_.CategoryCount(); ++i)
            linesBeforeClear += log_.LinesAt(i).size();
    }
    void CategoriesCleared() override { ++clearsDone; }
    void EntriesPending() override { ++pending; }
    void ShowWindow() override { ++shows; }

    int repaints = 0;
    int clears = 0;
    int clearsDone = 0;
    int pending = 0;
    int shows = 0;
    std::size_t linesBeforeClear = 0;
    std::vector<std::string> markers;
    std::vector<std::string> shownCounters;

private:
    const VisualLog& log_;
};

class VisualLogTest : public ::testing::Test {
protected:
    FakeRefreshClock clock_;
};

std::vector<double> Counters(const VisualLog& log) {
    std::vector<double> values;
    for (std::size_t i = 0; i < log.CounterCount(); ++i) values.push_back(log.CounterAt(i));
    return values;
}

TEST_F(VisualLogTest, BeginRunZeroesOnlyTheOutcomeCounters) {
    // Every counter is set to 7 before the run; the to-do counters keep their value.
    const struct {
        VisualLogTab tab;
        std::vector<double> afterBeginRun;
    } cases[] = {
        {VisualLogTab::Vol08, {7, 7, 7, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {VisualLogTab::Vol07, {7, 0, 0, 0, 7, 0, 0, 0}},
        {VisualLogTab::Vol06, {7, 0, 0, 0, 0, 0}},
        {VisualLogTab::Vol02, {7, 7, 7, 7, 0, 0, 0, 0, 0, 0, 0}},
        {VisualLogTab::Vol04, {7, 7, 7, 7, 0, 0, 0, 0, 0, 0, 0}},
        {VisualLogTab::Vol03, {7, 7, 7, 7, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        VisualLog log(c.tab, clock_);
        for (std::size_t i = 0; i < log.CounterCount(); ++i) {
            // Through the engines' enums, so the layout order is checked against theirs too.
            switch (log.Layout().family) {
                case VisualLogFamily::Copy:
                    log.Set(static_cast<Vol08Counter>(i), 7);
                    break;
                case VisualLogFamily::Delete:
                    log.Set(static_cast<Vol07Counter>(i), 7);
                    break;
                case VisualLogFamily::Rename:
                    log.Set(static_cast<Vol06Counter>(i), 7);
                    break;
                case VisualLogFamily::Creation:
                    log.Set(static_cast<CreationCounter>(i), 7);
                    break;
            }
        }
        log.BeginRun(VisualLogMode::Normal);
        EXPECT_EQ(Counters(log), c.afterBeginRun) << log.Layout().number;
    }
}

TEST_F(VisualLogTest, EngineEnumsNameTheLayoutCounters) {
    const struct {
        VisualLogTab tab;
        std::size_t index;
        const char* name;
    } cases[] = {
        {VisualLogTab::Vol08, static_cast<std::size_t>(Vol08Counter::FoldersToCopy),
         "FoldersToCopy"},
        {VisualLogTab::Vol08, static_cast<std::size_t>(Vol08Counter::FileSizeToCopy),
         "FileSizeToCopy"},
        {VisualLogTab::Vol08, static_cast<std::size_t>(Vol08Counter::FoldersNotExists),
         "FoldersNotExists"},
        {VisualLogTab::Vol08, static_cast<std::size_t>(Vol08Counter::FileSizeExists),
         "FileSizeExists"},
        {VisualLogTab::Vol08, static_cast<std::size_t>(Vol08Counter::SubFoldersOtherReasons),
         "SubFoldersOtherReasons"},
        {VisualLogTab::Vol07, static_cast<std::size_t>(Vol07Counter::FoldersOtherReasons),
         "FoldersOtherReasons"},
        {VisualLogTab::Vol07, static_cast<std::size_t>(Vol07Counter::FilesToDelete),
         "FilesToDelete"},
        {VisualLogTab::Vol07, static_cast<std::size_t>(Vol07Counter::FilesOtherReasons),
         "FilesOtherReasons"},
        {VisualLogTab::Vol06, static_cast<std::size_t>(Vol06Counter::FoldersDestinationExists),
         "FoldersDestinationExists"},
        {VisualLogTab::Vol06, static_cast<std::size_t>(Vol06Counter::FoldersOtherReasons),
         "FoldersOtherReasons"},
        {VisualLogTab::Vol03, static_cast<std::size_t>(CreationCounter::FilesSizeToCreate),
         "FilesSizeToCreate"},
        {VisualLogTab::Vol04, static_cast<std::size_t>(CreationCounter::FilesSizeCreated),
         "FilesSizeCreated"},
        {VisualLogTab::Vol02, static_cast<std::size_t>(CreationCounter::FoldersOther),
         "FoldersOther"},
    };
    for (const auto& c : cases) {
        const VisualLogLayout& layout = VisualLogLayoutFor(c.tab);
        ASSERT_LT(c.index, layout.counters.size()) << c.name;
        EXPECT_EQ(layout.counters[c.index].name, c.name) << layout.number;
        EXPECT_TRUE(layout.counters[c.index].shown) << c.name;
    }
    // The failed-undo counters exist but no label shows them; the delete tab has none.
    EXPECT_FALSE(VisualLogLayoutFor(VisualLogTab::Vol08).counters.back().shown);
    EXPECT_FALSE(VisualLogLayoutFor(VisualLogTab::Vol06).counters.back().shown);
    EXPECT_FALSE(VisualLogLayoutFor(VisualLogTab::Vol03).counters.back().shown);
    for (const auto& counter : VisualLogLayoutFor(VisualLogTab::Vol07).counters)
        EXPECT_TRUE(counter.shown) << counter.name;
}

TEST_F(VisualLogTest, EngineEnumsNameTheLayoutCategories) {
    const struct {
        VisualLogTab tab;
        std::size_t index;
        const char* list;
    } cases[] = {
        {VisualLogTab::Vol08, static_cast<std::size_t>(Vol08Category::FilesExists),
         "lstStat08FilesExists"},
        {VisualLogTab::Vol08, static_cast<std::size_t>(Vol08Category::SubFoldersFailedUndo),
         "lstStat08SubFoldersFailedUndo"},
        {VisualLogTab::Vol07, static_cast<std::size_t>(Vol07Category::FilesDeleted),
         "lstStat07FilesDeleted"},
        {VisualLogTab::Vol06, static_cast<std::size_t>(Vol06Category::FoldersOtherReasons),
         "lstStat06FoldersOtherReasons"},
        {VisualLogTab::Vol02, static_cast<std::size_t>(CreationCategory::FoldersOther),
         "lstStat02FoldersOther"},
        {VisualLogTab::Vol04, static_cast<std::size_t>(CreationCategory::FoldersExists),
         "lstStat04FoldersExists"},
        {VisualLogTab::Vol03, static_cast<std::size_t>(CreationCategory::FoldersFailedUndo),
         "lstStat03FoldersFailedUndo"},
    };
    for (const auto& c : cases) {
        const VisualLogLayout& layout = VisualLogLayoutFor(c.tab);
        ASSERT_LT(c.index, layout.categories.size()) << c.list;
        EXPECT_EQ(layout.categories[c.index].listName, c.list);
    }
}

TEST_F(VisualLogTest, AnotherTabsEnumIsRefused) {
    VisualLog copy(VisualLogTab::Vol08, clock_);
    EXPECT_THROW(copy.Add(Vol07Counter::FoldersDeleted, 1), std::logic_error);
    EXPECT_THROW(copy.AddEntry(CreationCategory::FoldersCreated, "d:\\x"), std::logic_error);
    // The creation enums serve all three creation tabs.
    for (VisualLogTab tab : {VisualLogTab::Vol02, VisualLogTab::Vol04, VisualLogTab::Vol03}) {
        VisualLog log(tab, clock_);
        log.Add(CreationCounter::FoldersCreated, 2);
        log.AddEntry(CreationCategory::FoldersCreated, "d:\\x");
        EXPECT_EQ(log.Counter(CreationCounter::FoldersCreated), 2);
        EXPECT_EQ(log.Lines(CreationCategory::FoldersCreated), Lines{"d:\\x"});
    }
}

TEST_F(VisualLogTest, BeginRunEmptiesEveryListAndRepaintsTheZeroedCounters) {
    VisualLog log(VisualLogTab::Vol07, clock_);
    RecordingView view(log);
    log.AttachView(&view);
    log.Set(Vol07Counter::FoldersToDelete, 3);
    log.Add(Vol07Counter::FoldersDeleted, 2);
    log.AddEntry(Vol07Category::FoldersDeleted, "d:\\a");
    log.AddEntry(Vol07Category::FoldersDeleted, "d:\\a");
    log.AddEntry(Vol07Category::FilesOtherReasons, "d:\\a\\f.txt");

    log.BeginRun(VisualLogMode::Simulate);

    for (std::size_t i = 0; i < log.CategoryCount(); ++i) EXPECT_TRUE(log.LinesAt(i).empty()) << i;
    // The window hears of the clearing while the old lines are still there to be released.
    EXPECT_EQ(view.clears, 1);
    EXPECT_EQ(view.clearsDone, 1);
    EXPECT_EQ(view.linesBeforeClear, 3u);
    EXPECT_EQ(view.repaints, 1);
    EXPECT_EQ(view.shownCounters, (Lines{"3", "0", "0", "0", "0", "0", "0", "0"}));
}

TEST_F(VisualLogTest, DuplicatesAreKeptInOrder) {
    VisualLog log(VisualLogTab::Vol06, clock_);
    for (const char* line : {"d:\\b", "d:\\a", "d:\\b", "D:\\B"})
        log.AddEntry(Vol06Category::FoldersRenamed, line);
    EXPECT_EQ(log.Lines(Vol06Category::FoldersRenamed),
              (Lines{"d:\\b", "d:\\a", "d:\\b", "D:\\B"}));
}

TEST_F(VisualLogTest, MarkerFollowsTheModeOfTheLastRun) {
    const struct {
        VisualLogTab tab;
        const char* normal;
        const char* simulate;
    } cases[] = {
        {VisualLogTab::Vol08, "Folder/File Copy Process.",
         "Simulate the Folder/File Copy Process."},
        {VisualLogTab::Vol07, "Folder/File Delete Process.",
         "Simulate the Folder/File Delete Process."},
        {VisualLogTab::Vol06, "Folder Rename Process.", "Simulate the Folder Rename Process."},
        {VisualLogTab::Vol02, "Folder/File Creation Process.",
         "Simulate the Folder/File Creation Process."},
        {VisualLogTab::Vol04, "Folder/File Creation Process.",
         "Simulate the Folder/File Creation Process."},
        {VisualLogTab::Vol03, "Folder/File Creation Process.",
         "Simulate the Folder/File Creation Process."},
    };
    for (const auto& c : cases) {
        VisualLog log(c.tab, clock_);
        RecordingView view(log);
        log.AttachView(&view);
        EXPECT_EQ(log.Mode(), VisualLogMode::Normal);
        EXPECT_EQ(log.MarkerText(), c.normal);
        log.BeginRun(VisualLogMode::Simulate);
        log.ClearOutcomes();  // an undo run leaves the marker alone
        log.RederiveMarker();
        log.BeginRun(VisualLogMode::Normal);
        log.RederiveMarker();
        EXPECT_EQ(view.markers, (Lines{c.simulate, c.simulate, c.normal, c.normal}));
    }
}

TEST_F(VisualLogTest, RefreshRepaintsAtMostEveryFiftyMilliseconds) {
    VisualLog log(VisualLogTab::Vol08, clock_);
    RecordingView view(log);
    log.AttachView(&view);

    for (int i = 0; i < 1000; ++i) {
        log.Add(Vol08Counter::FilesCopied, 1);
        log.Refresh();
        if (i % 100 == 99) clock_.Advance(4ms);  // 40 ms in all
    }
    EXPECT_EQ(view.repaints, 1);
    EXPECT_EQ(view.shownCounters[6], "1");

    clock_.Advance(10ms);  // 50 ms after the first repaint
    log.Refresh();
    EXPECT_EQ(view.repaints, 2);
    EXPECT_EQ(view.shownCounters[6], "1000");

    clock_.Advance(49ms);
    log.Add(Vol08Counter::FilesCopied, 1);
    log.Refresh();
    EXPECT_EQ(view.repaints, 2);
    // The end of the run shows the final figures, however recent the last repaint.
    log.EndRun();
    EXPECT_EQ(view.repaints, 3);
    EXPECT_EQ(view.shownCounters[6], "1001");
    log.Flush();
    EXPECT_EQ(view.repaints, 4);
}

TEST_F(VisualLogTest, ASlowRepaintStillLeavesTheRunAWholeInterval) {
    // A repaint that takes longer than the interval must not make every Refresh repaint.
    class SlowView : public RecordingView {
    public:
        SlowView(const VisualLog& log, FakeRefreshClock& clock)
            : RecordingView(log), clock_(clock) {}
        void Repaint() override {
            RecordingView::Repaint();
            clock_.Advance(80ms);
        }

    private:
        FakeRefreshClock& clock_;
    };
    VisualLog log(VisualLogTab::Vol07, clock_);
    SlowView view(log, clock_);
    log.AttachView(&view);
    log.Refresh();
    for (int i = 0; i < 100; ++i) log.Refresh();
    EXPECT_EQ(view.repaints, 1);
    clock_.Advance(50ms);
    log.Refresh();
    EXPECT_EQ(view.repaints, 2);
}

TEST_F(VisualLogTest, ShowRepaintsEvenRightAfterARefresh) {
    VisualLog log(VisualLogTab::Vol02, clock_);
    RecordingView view(log);
    log.AttachView(&view);
    log.Refresh();
    log.Add(CreationCounter::FoldersCreated, 5);
    log.Refresh();
    log.Show();
    EXPECT_EQ(view.repaints, 2);
    EXPECT_EQ(view.shows, 1);
    EXPECT_EQ(view.shownCounters[4], "5");
}

TEST_F(VisualLogTest, PendingEntriesAreAnnouncedOncePerRepaint) {
    VisualLog log(VisualLogTab::Vol08, clock_);
    RecordingView view(log);
    log.AttachView(&view);
    for (int i = 0; i < 500; ++i) log.AddEntry(Vol08Category::FilesCopied, "d:\\f");
    EXPECT_EQ(view.pending, 1);
    log.Flush();
    log.AddEntry(Vol08Category::FilesCopied, "d:\\g");
    EXPECT_EQ(view.pending, 2);
    // After a clearing the next line is new again.
    log.BeginRun(VisualLogMode::Normal);
    log.AddEntry(Vol08Category::FilesCopied, "d:\\h");
    EXPECT_EQ(view.pending, 3);
    EXPECT_EQ(log.Lines(Vol08Category::FilesCopied), Lines{"d:\\h"});
}

TEST_F(VisualLogTest, WithoutAWindowTheLogStillCounts) {
    VisualLog log(VisualLogTab::Vol06, clock_);
    log.BeginRun(VisualLogMode::Simulate);
    log.Set(Vol06Counter::FoldersToRename, 2);
    log.Add(Vol06Counter::FoldersRenamed, 1);
    log.AddEntry(Vol06Category::FoldersRenamed, "d:\\x");
    log.Refresh();
    log.Show();
    log.EndRun();
    EXPECT_EQ(log.Counter(Vol06Counter::FoldersRenamed), 1);
    EXPECT_EQ(log.CounterTextAt(0), "2");
    EXPECT_EQ(log.Mode(), VisualLogMode::Simulate);
}

TEST_F(VisualLogTest, ZeroCountersIncludesTheToDoCounters) {
    VisualLog log(VisualLogTab::Vol04, clock_);
    log.Set(CreationCounter::FoldersToCreate, 4);
    log.Add(CreationCounter::FoldersCreated, 2);
    log.AddEntry(CreationCategory::FoldersCreated, "d:\\x");
    log.ZeroCounters();
    EXPECT_EQ(Counters(log), std::vector<double>(11, 0.0));
    // The lists are not the counters' business.
    EXPECT_EQ(log.Lines(CreationCategory::FoldersCreated), Lines{"d:\\x"});
}

}  // namespace
}  // namespace arbovane
