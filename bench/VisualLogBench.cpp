// Feeds one Visual Log a million entries and a million counter changes with its window shown,
// the way a long copy run does, and prints how long each phase took.
//
// Usage: visuallog_bench [entries]   (QT_QPA_PLATFORM=offscreen for a machine without a display)

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QScrollBar>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "NoShell.h"
#include "core/app/ProgramSettings.h"
#include "core/visuallog/VisualLog.h"
#include "gui/acquire/TfrmFileExport.h"
#include "gui/app/GuiContext.h"
#include "gui/app/QtMessenger.h"
#include "gui/visuallog/TfrmStatistic08.h"
#include "gui/visuallog/TfrmVol08ZoomStatistics.h"
#include "platform/posix/IcuText.h"
#include "platform/posix/PosixFileSystem.h"

namespace {

using namespace arbovane;

double Seconds(const QElapsedTimer& timer) {
    return timer.nsecsElapsed() / 1e9;
}

// Counts the repaints the log asks for and the time they take.
class CountingWindow : public TfrmStatistic08 {
public:
    using TfrmStatistic08::TfrmStatistic08;
    void Repaint() override {
        QElapsedTimer timer;
        timer.start();
        TfrmStatistic08::Repaint();
        ++repaints;
        const double seconds = Seconds(timer);
        total += seconds;
        if (seconds > slowest) slowest = seconds;
    }
    int repaints = 0;
    double total = 0;
    double slowest = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const long entries = argc > 1 ? std::atol(argv[1]) : 1000000;

    IcuText text;
    PosixFileSystem fs(text);
    QtMessenger messenger;
    NoShell shell;
    ProgramSettings settings;
    GuiContext context{fs, text, messenger, shell, settings};
    TfrmFileExport exportDialog(context);
    VisualLog log(VisualLogTab::Vol08);
    CountingWindow window(context, log, exportDialog);

    log.Set(Vol08Counter::FilesToCopy, static_cast<double>(entries));
    log.BeginRun(VisualLogMode::Normal);
    log.Show();
    window.ZoomClick(static_cast<std::size_t>(Vol08Category::FilesCopied));
    app.processEvents();

    QElapsedTimer timer;
    timer.start();
    std::string path = "d:\\Clients\\Customer000000\\Documents\\Reports\\file000000.txt";
    for (long i = 0; i < entries; ++i) {
        const std::string number = std::to_string(i);
        path.replace(path.size() - 4 - number.size(), number.size(), number);
        log.Add(Vol08Counter::FilesCopied, 1);
        log.Add(Vol08Counter::FileSizeCopied, 5000.0);
        log.AddEntry(Vol08Category::FilesCopied, path);
        log.Refresh();
    }
    log.EndRun();
    const double run = Seconds(timer);
    const int repaints = window.repaints;
    const double repaintTotal = window.total;
    const double slowest = window.slowest;

    // The lists lay out their rows in batches once the message loop runs again.
    timer.restart();
    auto* list = window.findChild<QListView*>("lstStat08FilesCopied");
    while (list->verticalScrollBar()->maximum() < entries - 100 && Seconds(timer) < 60)
        app.processEvents();
    const double settle = Seconds(timer);

    timer.restart();
    list->scrollToBottom();
    window.repaint();
    const double scroll = Seconds(timer);

    const int rows = list->model()->rowCount();
    timer.restart();
    log.BeginRun(VisualLogMode::Simulate);
    app.processEvents();
    const double clear = Seconds(timer);

    std::printf("entries and counter changes: %ld\n", entries);
    std::printf("run (AddEntry, 2 x Add, Refresh each): %.3f s\n", run);
    std::printf("  of which %d repaints: %.3f s, the slowest %.1f ms\n", repaints, repaintTotal,
                slowest * 1000);
    std::printf("message loop until every row is laid out: %.3f s\n", settle);
    std::printf("scroll to the last line and repaint: %.3f s\n", scroll);
    std::printf("BeginRun clearing the lists: %.3f s\n", clear);
    std::printf("rows shown after the run: %d\n", rows);
    return 0;
}
