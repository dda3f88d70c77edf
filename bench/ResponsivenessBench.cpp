// Single clicks on the real windows whose work grows with the lists: the Delete tab's refresh, the
// moves and imports of a list pane, the list builder, the start and close with large settings,
// the destination history and a Visual Log export. For every click it prints the time, the peak
// memory of the process while it ran, the heap still held afterwards, the longest stretch in
// which the program neither painted nor handled a message, and the folder listings it made.
//
// The runs scenario times a copy of N files, a delete of N files and N numbered folders with the
// Visual Log shown: each run with the window kept alive, the same run with no events let through
// (as runs were before the window stayed alive), and a run stopped half way, with the time from
// Stop to the run's end.
//
// Usage: responsiveness_bench [scenario...] [--max N]
//   scenarios: delete lists builder destinations log settings runs (default: all but runs)
//   --max N: the largest size to build (default 100000, 1000000 for lists and log)
// QT_QPA_PLATFORM=offscreen for a machine without a display.

#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/acquire/ListingReporter.h"
#include "core/app/MainWindowRules.h"
#include "core/app/ProgramSettings.h"
#include "core/app/SaveClass.h"
#include "core/help/HelpEngine.h"
#include "core/ops/copy/CopyRun.h"
#include "core/ops/copy/CopyTotals.h"
#include "core/ops/create/CreateRun.h"
#include "core/ops/delete/DeleteRun.h"
#include "core/visuallog/VisualLog.h"
#include "gui/acquire/TfrmFileExport.h"
#include "gui/acquire/TfrmFileImport.h"
#include "gui/acquire/TfrmSubFolderListBuilder.h"
#include "gui/app/GuiContext.h"
#include "gui/app/LiveRun.h"
#include "gui/app/ProgramWindows.h"
#include "gui/app/TfrmMain.h"
#include "gui/lists/FolderListPane.h"
#include "gui/visuallog/TfrmStatistics07.h"
#include "platform/Messenger.h"
#include "platform/Shell.h"
#include "platform/posix/IcuText.h"
#include "platform/posix/PosixFileSystem.h"

namespace {

using namespace arbovane;

constexpr int kTabDelete = 1;
constexpr int kTabRename = 2;

// Answers every question with the next scripted answer (Yes when none is left) and counts boxes.
class BenchMessenger : public Messenger {
public:
    int Show(const std::string&, const std::string&, int flags, MessageOwner) override {
        ++boxes;
        if (flags != kMsgQuestion) return kAnswerOk;
        if (answers.empty()) return kAnswerYes;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<int> answers;
    int boxes = 0;
};

// Every dialog of the shell returns the path it was given last, or is cancelled.
class BenchShell : public Shell {
public:
    bool BrowseForFolder(const std::string&, const std::string&, std::string& chosen) override {
        return Take(folder, chosen);
    }
    bool Open(const std::string&) override { return false; }
    bool OpenFileDialog(const std::string&, const std::string&, const std::string&,
                        std::string& chosen) override {
        return Take(file, chosen);
    }
    bool SaveFileDialog(const std::string&, const std::string&, const std::string&,
                        const std::string&, std::string& chosen) override {
        return Take(file, chosen);
    }
    std::string folder;
    std::string file;

private:
    static bool Take(std::string& from, std::string& chosen) {
        if (from.empty()) return false;
        chosen = from;
        return true;
    }
};

long StatusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + key.size());
    return 0;
}

// Starts a new peak of the resident set, so each click reports its own.
void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

double HeapMb() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

// Notes when the program last handled an event, painting included, so the longest stretch
// without one shows how long the window stood frozen.
class FreezeWatch : public QObject {
public:
    void Start() {
        clock_.start();
        last_ = 0;
        longest_ = 0;
        ticker_.start(5);
    }
    qint64 Stop() {
        ticker_.stop();
        Note();
        return longest_;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (clock_.isValid()) Note();
        return QObject::eventFilter(watched, event);
    }

private:
    void Note() {
        const qint64 now = clock_.elapsed();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
    }
    QElapsedTimer clock_;
    QTimer ticker_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
};

struct Bench {
    std::string base;
    IcuText text;
    PosixFileSystem posix{text};
    ListingReporter fs{posix};
    BenchMessenger messenger;
    BenchShell shell;
    ProgramSettings settings;
    GuiContext context{fs, text, messenger, shell, settings};
    FreezeWatch watch;

    void Row(const char* scenario, long size, const char* click,
             const std::function<void()>& body) {
        QApplication::processEvents();
        malloc_trim(0);
        ResetPeak();
        const double heapBefore = HeapMb();
        fs.ResetCounts();
        watch.Start();
        QElapsedTimer timer;
        timer.start();
        body();
        const double ms = timer.nsecsElapsed() / 1e6;
        const qint64 frozen = watch.Stop();
        const double peak = StatusKb("VmHWM") / 1024.0;
        QApplication::processEvents();
        malloc_trim(0);
        std::printf("| %-12s | %9ld | %-34s | %9.1f | %8.0f | %+9.1f | %8lld | %9llu |\n", scenario,
                    size, click, ms, peak, HeapMb() - heapBefore, static_cast<long long>(frozen),
                    static_cast<unsigned long long>(fs.Listings()));
        std::fflush(stdout);
    }
};

// Runs action once the modal window is up (its exec() has shown it).
void WhenShown(QWidget& window, std::function<void()> action) {
    QTimer::singleShot(1, [&window, action = std::move(action)] {
        if (window.isVisible())
            action();
        else
            WhenShown(window, action);
    });
}

template <typename T = QWidget>
T* Child(QObject& parent, const char* name) {
    T* found = parent.findChild<T*>(name);
    if (!found) {
        std::fprintf(stderr, "no control %s\n", name);
        std::exit(1);
    }
    return found;
}

void Click(QObject& parent, const char* name) {
    Child<QAbstractButton>(parent, name)->click();
}

void SelectAll(QObject& parent, const char* list) {
    Child<QAbstractItemView>(parent, list)->selectAll();
}

void SelectRow(QObject& parent, const char* list, int row) {
    auto* view = Child<QAbstractItemView>(parent, list);
    view->selectionModel()->select(view->model()->index(row, 0),
                                   QItemSelectionModel::ClearAndSelect);
}

bool MakeFolder(const std::string& path) {
    return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST;
}

bool MakeFile(const std::string& path) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool written = write(fd, "x", 1) == 1;
    close(fd);
    return written;
}

std::string Numbered(const char* stem, long i) {
    char number[16];
    std::snprintf(number, sizeof number, "%07ld", i);
    return stem + std::string(number);
}

std::vector<long> Sizes(long max) {
    std::vector<long> sizes;
    for (long size = 1000; size <= max; size *= 10) sizes.push_back(size);
    return sizes;
}

struct Windows {
    explicit Windows(Bench& bench) : help(bench.fs) {
        windows = std::make_unique<ProgramWindows>(bench.context, help);
    }
    HelpEngine help;
    std::unique_ptr<ProgramWindows> windows;
};

// Main folders holding one file each; the tab's refresh measures every one of them.
void DeleteScenario(Bench& b, long max) {
    for (const long size : Sizes(std::min(max, 100000L))) {
        const std::string root = b.base + "/Delete" + std::to_string(size);
        MakeFolder(root);
        std::vector<std::string> lines;
        for (long i = 0; i <= size; ++i) {
            const std::string name = Numbered("F", i);
            MakeFolder(root + "/" + name);
            MakeFile(root + "/" + name + "/a.txt");
            if (i < size) lines.push_back("d:\\Delete" + std::to_string(size) + "\\" + name);
        }
        const std::string extra = "d:\\Delete" + std::to_string(size) + "\\" + Numbered("F", size);
        Windows w(b);
        TfrmMain& main = *w.windows->main;
        main.show();
        main.Pages()->setCurrentIndex(kTabDelete);
        FolderListPane& pane = *main.Pane(kTabDelete);
        b.Row("delete", size, "fill the include list", [&] {
            pane.Model().Include().AddAll(lines);
            pane.ListsChanged();
        });
        b.Row("delete", size, "Add Structure (one line)", [&] {
            b.shell.folder = extra;
            Click(pane, "btnVol07AddFolder");
            b.shell.folder.clear();
        });
        b.Row("delete", size, "> (one line)", [&] {
            SelectRow(pane, "lstVol07IncludeFolderList", static_cast<int>(size / 2));
            Click(pane, "btnVol07MoveToExclude");
        });
        b.Row("delete", size, "< (one line)", [&] {
            SelectRow(pane, "lstVol07ExcludeFolderList", 0);
            Click(pane, "btnVol07MoveToInclude");
        });
        b.Row("delete", size, "Delete Selected, answered No", [&] {
            b.messenger.answers = {kAnswerNo};
            Click(pane, "btnVol07DeleteSelected");
        });
        b.Row("delete", size, "Delete All on the exclude list", [&] {
            b.messenger.answers = {kAnswerYes};
            Click(pane, "btnVol07DeleteAll");
        });
        b.Row("delete", size, "Export (closed)", [&] {
            WhenShown(*w.windows->fileExport,
                      [&] { Click(*w.windows->fileExport, "btnFileExportClose"); });
            Click(pane, "btnVol07ExportList");
        });
        b.Row("delete", size, "Import, cancelled", [&] {
            WhenShown(*w.windows->fileImport,
                      [&] { Click(*w.windows->fileImport, "btnFileImportCancel"); });
            Click(pane, "btnVol07ImportList");
        });
        b.Row("delete", size, "mode: Complete",
              [&] { Click(main, "rdoVol07DeleteCompleteFolders"); });
        b.Row("delete", size, "mode: Subfolders", [&] { Click(main, "rdoVol07DeleteSubFolders"); });
        std::filesystem::remove_all(root);
    }
}

// The moves of a list pane (the rename tab's, whose refresh only counts lines) and an import.
void ListsScenario(Bench& b, long max) {
    for (const long size : Sizes(max)) {
        std::vector<std::string> lines;
        lines.reserve(static_cast<std::size_t>(size));
        for (long i = 0; i < size; ++i)
            lines.push_back("d:\\Clients\\Customer\\" + Numbered("Project", i));
        const std::string importFile = b.base + "/import.txt";
        {
            std::ofstream out(importFile, std::ios::binary);
            for (long i = 0; i < size; ++i)
                out << "d:\\Imported\\Customer\\" << Numbered("Project", i) << "\r\n";
        }
        Windows w(b);
        TfrmMain& main = *w.windows->main;
        main.show();
        main.Pages()->setCurrentIndex(kTabRename);
        FolderListPane& pane = *main.Pane(kTabRename);
        b.Row("lists", size, "fill the include list", [&] {
            pane.Model().Include().AddAll(lines);
            pane.ListsChanged();
        });
        b.Row("lists", size, ">>", [&] { Click(pane, "btnVol06MoveAllToExclude"); });
        b.Row("lists", size, "<<", [&] { Click(pane, "btnVol06MoveAllToInclude"); });
        b.Row("lists", size, "> all", [&] {
            SelectAll(pane, "lstVol06IncludeFolderList");
            Click(pane, "btnVol06MoveToExclude");
        });
        b.Row("lists", size, "<>", [&] { Click(pane, "btnVol06ExchangeLists"); });
        b.Row("lists", size, "Export (closed)", [&] {
            WhenShown(*w.windows->fileExport,
                      [&] { Click(*w.windows->fileExport, "btnFileExportClose"); });
            Click(pane, "btnVol06ExportList");
        });
        TfrmFileImport& import = *w.windows->fileImport;
        b.Row("lists", size, "Import F. List (browse, create, IMPORT)", [&] {
            WhenShown(import, [&] {
                b.shell.file = "d:\\import.txt";
                Click(import, "btnFileImportBrowse");
                b.shell.file.clear();
                Click(import, "btnFileImportCreate");
                Click(import, "btnFileImportImport");
            });
            Click(pane, "btnVol06ImportList");
        });
        std::filesystem::remove(importFile);
    }
}

// A source of size folders, 100 below each of size / 100 top folders.
void BuilderScenario(Bench& b, long max) {
    for (const long size : Sizes(std::min(max, 100000L))) {
        const std::string name = "Build" + std::to_string(size);
        const std::string root = b.base + "/" + name;
        MakeFolder(root);
        const long tops = size / 100;
        for (long t = 0; t < tops; ++t) {
            const std::string top = root + "/" + Numbered("T", t);
            MakeFolder(top);
            for (int c = 0; c < 99; ++c) MakeFolder(top + "/" + Numbered("C", c));
        }
        Windows w(b);
        TfrmSubFolderListBuilder& builder = *w.windows->listBuilder;
        builder.show();
        const std::string source = "d:\\" + name;
        b.Row("builder", size, "choose the source", [&] { builder.SetSourceFolder(source); });
        b.Row("builder", size, "Build a List (levels 1 to 3)", [&] {
            b.messenger.answers = {kAnswerYes};
            builder.BuildList();
        });
        builder.hide();
        std::filesystem::remove_all(root);
    }
}

// default.set with as many separators and quotation marks as the windows allow.
void SettingsScenario(Bench& b) {
    const std::string file = b.base + "/Start/default.set";
    for (const long marks : {1000L, 10000L, 30000L}) {
        ProgramSettings stored;
        stored.programIdentifier = kProgramIdentifier;
        stored.defaultDirectory = "D:\\Start";
        Defaults(stored);
        stored.separators.clear();
        stored.quotationMarks.clear();
        for (long i = 0; i < marks; ++i) {
            stored.separators.push_back(Numbered("s", i));
            stored.quotationMarks.push_back(Numbered("q", i));
        }
        {
            std::ofstream out(file, std::ios::binary);
            out << EncodeSettings(stored);
        }
        b.settings = {};
        std::unique_ptr<Windows> w;
        b.Row("settings", marks, "start (every window created)",
              [&] { w = std::make_unique<Windows>(b); });
        b.Row("settings", marks, "close (settings written)", [&] { w->windows->main->close(); });
        w.reset();
    }
    std::filesystem::remove(file);
    b.settings = {};
}

// The destination drop-downs filled from a remembered history of distinct folders.
void DestinationsScenario(Bench& b, long max) {
    for (const long size : Sizes(std::min(max, 100000L))) {
        std::vector<std::string> remembered;
        for (long i = 0; i < size; ++i)
            remembered.push_back("d:\\Destinations\\" + Numbered("D", i));
        QComboBox box;
        b.Row("destinations", size, "fill one destination drop-down", [&] {
            box.clear();
            QStringList items;
            for (const std::string& item : DestinationComboItems(b.text, remembered))
                items << QString::fromStdString(item);
            box.addItems(items);
        });
    }
}

// A category of the Delete tab's Visual Log exported through the export dialog.
void LogScenario(Bench& b, long max) {
    for (const long size : Sizes(max)) {
        Windows w(b);
        VisualLog& log = w.windows->main->Log(VisualLogTab::Vol07);
        log.BeginRun(VisualLogMode::Normal);
        for (long i = 0; i < size; ++i)
            log.AddEntry(Vol07Category::FilesDeleted,
                         "d:\\Clients\\Customer\\Projects\\" + Numbered("File", i) + ".txt");
        log.EndRun();
        TfrmStatistics07& window = *w.windows->statistics07;
        window.show();
        b.Row("log", size, "Export (closed)", [&] {
            WhenShown(*w.windows->fileExport,
                      [&] { Click(*w.windows->fileExport, "btnFileExportClose"); });
            window.ExportClick(static_cast<std::size_t>(Vol07Category::FilesDeleted));
        });
        window.hide();
    }
}

// One run through an engine, the window kept alive (live) or not; stopAfterMs >= 0 presses Stop
// then and returns the milliseconds from Stop to the run's end.
double TimedRun(
    Bench& b, TfrmMain& main, VisualLog& log, bool live, qint64 stopAfterMs,
    const std::function<void(const std::function<void()>&, const std::function<void()>&)>& run) {
    LiveRun liveRun(main);
    QElapsedTimer sinceStop;
    if (stopAfterMs >= 0)
        QTimer::singleShot(static_cast<int>(stopAfterMs), [&] {
            sinceStop.start();
            log.RequestStop();
        });
    run(
        [&] {
            if (live) liveRun.Begin(log);
        },
        [&] { liveRun.End(); });
    (void)b;
    return sinceStop.isValid() ? sinceStop.nsecsElapsed() / 1e6 : -1;
}

void RunsScenario(Bench& b, long max) {
    const long files = std::min(max, 100000L);
    Windows w(b);
    TfrmMain& main = *w.windows->main;
    main.show();
    const std::string root = b.base + "/Runs";
    // Copy: a template of 10 folders of files into 100 folders.
    const long perFolder = std::max(1L, files / 1000);
    MakeFolder(root);
    MakeFolder(root + "/Tpl");
    for (int f = 0; f < 10; ++f) {
        MakeFolder(root + "/Tpl/" + Numbered("S", f));
        for (long i = 0; i < perFolder * 10 / 10; ++i)
            MakeFile(root + "/Tpl/" + Numbered("S", f) + "/" + Numbered("f", i));
    }
    std::vector<std::string> include;
    for (int c = 0; c < 100; ++c) include.push_back("d:\\Runs\\" + Numbered("C", c));
    const auto freshInclude = [&] {
        std::filesystem::remove_all(root + "/C");
        for (int c = 0; c < 100; ++c) {
            std::filesystem::remove_all(root + "/" + Numbered("C", c));
            MakeFolder(root + "/" + Numbered("C", c));
        }
    };
    VisualLog& copyLog = main.Log(VisualLogTab::Vol08);
    CopyTabOptions copy;
    copy.includeLines = include;
    copy.templates = {"d:\\Runs\\Tpl"};
    copy.kind = TemplateKind::FullPath;
    copy.mode = AttachMode::SubFoldersOnlyWithFiles;
    copy.patterns = {"*.*"};
    const auto copyRun = [&](const std::function<void()>& lock,
                             const std::function<void()>& unlock) {
        CopyTotals totals;
        UndoJournal journal;
        RunCopyFolders({b.fs, b.text, b.messenger, copyLog}, totals, journal, copy,
                       {lock, unlock, nullptr, nullptr});
    };
    // Delete: the copies again, every one complete.
    VisualLog& deleteLog = main.Log(VisualLogTab::Vol07);
    DeleteTabOptions remove;
    remove.includeLines = include;
    remove.mode = DeleteTabMode::Complete;
    remove.doubleConfirm = false;
    const auto deleteRun = [&](const std::function<void()>& lock,
                               const std::function<void()>& unlock) {
        RunDeleteFolders({b.fs, b.text, b.messenger, deleteLog, nullptr}, remove, {lock, unlock});
    };
    // Numbers: folders 1 to N below one destination.
    VisualLog& numbersLog = main.Log(VisualLogTab::Vol03);
    CreateTabOptions numbers;
    numbers.tab = CreateTab::Numbers;
    numbers.destination = "d:\\Runs\\Num";
    numbers.startText = "1";
    numbers.endText = std::to_string(files);
    numbers.kind = TemplateKind::Nothing;
    numbers.showExplorer = false;
    const auto numbersRun = [&](const std::function<void()>& lock,
                                const std::function<void()>& unlock) {
        CopyTotals totals;
        UndoJournal journal;
        CreateRunHooks hooks;
        hooks.lock = lock;
        hooks.unlock = unlock;
        hooks.openDestination = [](const std::string&) {};
        RunCreateFolders({b.fs, b.text, b.messenger, numbersLog}, totals, journal, numbers, hooks);
    };
    const auto freshNumbers = [&] {
        std::filesystem::remove_all(root + "/Num");
        MakeFolder(root + "/Num");
    };
    struct Kind {
        const char* name;
        VisualLog& log;
        std::function<void()> prepare;
        std::function<void(const std::function<void()>&, const std::function<void()>&)> run;
    };
    const Kind kinds[] = {
        {"copy", copyLog, freshInclude, copyRun},
        {"delete", deleteLog,
         [&] {
             freshInclude();
             TimedRun(b, main, copyLog, false, -1, copyRun);
         },
         deleteRun},
        {"numbers", numbersLog, freshNumbers, numbersRun},
    };
    for (const Kind& kind : kinds) {
        double liveMs = 0;
        // Both ways round, as whichever runs first on a fresh tree pays more.
        for (const bool live : {false, true, true, false}) {
            kind.prepare();
            QElapsedTimer timer;
            b.Row("runs", files,
                  live ? (std::string(kind.name) + ", window alive").c_str()
                       : (std::string(kind.name) + ", no events").c_str(),
                  [&] {
                      timer.start();
                      TimedRun(b, main, kind.log, live, -1, kind.run);
                  });
            if (live) liveMs = timer.nsecsElapsed() / 1e6;
        }
        kind.prepare();
        double stopMs = -1;
        b.Row("runs", files, (std::string(kind.name) + ", Stop half way").c_str(), [&] {
            stopMs = TimedRun(b, main, kind.log, true, static_cast<qint64>(liveMs / 2), kind.run);
        });
        std::printf("| %-12s | %9ld | %-34s | %9.1f | (from Stop to the end of the run)\n", "runs",
                    files, (std::string(kind.name) + ", Stop answered").c_str(), stopMs);
    }
    std::filesystem::remove_all(root);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::vector<std::string> scenarios;
    long max = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--max" && i + 1 < argc)
            max = std::atol(argv[++i]);
        else
            scenarios.push_back(arg);
    }
    if (scenarios.empty())
        scenarios = {"delete", "lists", "builder", "destinations", "log", "settings"};
    const auto limit = [max](long fallback) { return max > 0 ? max : fallback; };

    Bench bench;
    bench.base = (std::filesystem::temp_directory_path() / "responsiveness-XXXXXX").string();
    if (!mkdtemp(bench.base.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    bench.posix.MapDrive('D', bench.base);
    // The windows find their settings file in the current directory.
    MakeFolder(bench.base + "/Start");
    std::string before;
    bench.fs.ReadCurrentDirectory(before);
    bench.fs.MakeCurrentDirectory("d:\\Start");
    app.installEventFilter(&bench.watch);

    std::printf("| %-12s | %9s | %-34s | %9s | %8s | %9s | %8s | %9s |\n", "scenario", "size",
                "click", "ms", "peak MB", "heap MB", "frozen", "listings");
    std::printf("|---|---|---|---|---|---|---|---|\n");
    for (const std::string& scenario : scenarios) {
        if (scenario == "delete") DeleteScenario(bench, limit(100000));
        if (scenario == "lists") ListsScenario(bench, limit(1000000));
        if (scenario == "builder") BuilderScenario(bench, limit(100000));
        if (scenario == "settings") SettingsScenario(bench);
        if (scenario == "destinations") DestinationsScenario(bench, limit(100000));
        if (scenario == "log") LogScenario(bench, limit(1000000));
        if (scenario == "runs") RunsScenario(bench, limit(100000));
    }
    app.removeEventFilter(&bench.watch);
    bench.fs.MakeCurrentDirectory(before);
    std::filesystem::remove_all(bench.base);
    return 0;
}
