// Creates numbered folders below one destination with the numbers tab's run and its Visual Log
// window shown, against `xargs mkdir -p` on the same list of paths; then new folders from a list
// of names, each with a relative template of 10 folders, against `mkdir -p` on the same paths.
// Each round alternates which goes first, on fresh destinations. The numbers run goes once more
// through the undo record written ahead of every change, as the tab runs it.
//
// Usage: create_bench [numbers] [names] [rounds]   (defaults 100000 10000 1; run with
// QT_QPA_PLATFORM=offscreen on a machine without a display)

#include <sys/resource.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "NoShell.h"
#include "YesMessenger.h"
#include "core/app/ProgramSettings.h"
#include "core/ops/copy/CopyTotals.h"
#include "core/ops/create/CreateRun.h"
#include "core/run/JournalKeeper.h"
#include "core/undo/FolderFileUndoRun.h"
#include "core/undo/UndoJournal.h"
#include "core/visuallog/VisualLog.h"
#include "gui/acquire/TfrmFileExport.h"
#include "gui/app/GuiContext.h"
#include "gui/visuallog/TfrmStatistic02.h"
#include "gui/visuallog/TfrmStatistic03.h"
#include "platform/posix/IcuText.h"
#include "platform/posix/PosixFileSystem.h"

namespace {

using namespace arbovane;
using Clock = std::chrono::steady_clock;

constexpr int kTemplateLines = 10;

void Flush() {
    if (std::system("sync") != 0) std::fprintf(stderr, "sync failed\n");
}

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The most memory the process has held (resident), in megabytes.
double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

std::string Number(int i) {
    return std::to_string(i);
}

struct Timing {
    double engine = 0, shell = 0;
    int status = 0;
};

// Runs both, in the order the round says, each after a sync.
template <typename Engine>
Timing TimeBoth(int round, const std::string& listFile, Engine&& engine) {
    Timing t;
    const auto runEngine = [&] {
        Flush();
        const auto begin = Clock::now();
        engine();
        t.engine = SecondsSince(begin);
    };
    const auto runShell = [&] {
        Flush();
        const std::string command = "xargs mkdir -p < '" + listFile + "'";
        const auto begin = Clock::now();
        t.status = std::system(command.c_str());
        t.shell = SecondsSince(begin);
    };
    if (round % 2 == 1) {
        runEngine();
        runShell();
    } else {
        runShell();
        runEngine();
    }
    return t;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int numbers = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    const int names = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10000;
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 1;
    std::string base = (std::filesystem::temp_directory_path() / "create-bench-XXXXXX").string();
    if (!mkdtemp(base.data())) {
        std::perror("making the bench folder");
        return 1;
    }

    IcuText text;
    PosixFileSystem fs(text);
    fs.MapDrive('D', base);
    YesMessenger messenger;
    messenger.quietTitle = "Information no: 009";
    NoShell shell;
    ProgramSettings settings;
    GuiContext context{fs, text, messenger, shell, settings};
    TfrmFileExport exportDialog(context);
    VisualLog numbersLog(VisualLogTab::Vol03);
    TfrmStatistic03 numbersWindow(context, numbersLog, exportDialog);
    VisualLog namesLog(VisualLogTab::Vol02);
    TfrmStatistic02 namesWindow(context, namesLog, exportDialog);
    CopyTotals totals;
    UndoJournal journal;

    std::vector<std::string> templates;
    for (int t = 0; t < kTemplateLines; ++t) templates.push_back("\\Area" + Number(t));

    const std::string numbersList = base + "/numbers.txt";
    const std::string namesList = base + "/names.txt";
    {
        std::ofstream list(numbersList);
        for (int i = 1; i <= numbers; ++i) list << base << "/ShellNumbers/N-" << i << "\n";
        std::ofstream named(namesList);
        for (int i = 0; i < names; ++i) {
            named << base << "/ShellNames/Client" << i << "\n";
            for (const std::string& line : templates)
                named << base << "/ShellNames/Client" << i << "/" << line.substr(1) << "\n";
        }
    }

    int failures = 0;
    for (int round = 1; round <= rounds; ++round) {
        CreateTabOptions numbered;
        numbered.tab = CreateTab::Numbers;
        numbered.destination = "D:\\EngineNumbers";
        numbered.startText = "1";
        numbered.endText = Number(numbers);
        numbered.prefix = "N";
        numbered.hyphen = true;
        numbered.kind = TemplateKind::Nothing;
        numbered.showExplorer = false;
        numbersLog.Show();
        app.processEvents();
        double journalled = 0, journalledMade = 0;
        const auto timeJournalled = [&] {
            CreateTabOptions written = numbered;
            written.destination = "D:\\JournalNumbers";
            JournalKeeper keeper(fs, "create_bench");
            UndoJournal own;  // the undo below takes back the run without the record
            keeper.SetPath(base + "/undo-numbers.journal");
            Flush();
            const auto begin = Clock::now();
            FileSystem& through = keeper.RunFileSystem(FolderRunJournal(UndoTab::CreateIII, {}));
            RunCreateFolders({through, text, messenger, numbersLog}, totals, own, written, {});
            keeper.EndRun(FolderRunJournal(UndoTab::CreateIII, own));
            journalled = SecondsSince(begin);
            journalledMade = numbersLog.Counter(CreationCounter::FoldersCreated);
        };
        if (round % 2 == 0) timeJournalled();
        double made = 0;
        const Timing first = TimeBoth(round, numbersList, [&] {
            RunCreateFolders({fs, text, messenger, numbersLog}, totals, journal, numbered, {});
            made = numbersLog.Counter(CreationCounter::FoldersCreated);
        });
        if (round % 2 == 1) timeJournalled();
        std::printf(
            "round %d, numbers with the undo record: %.2f s (%.0f folders%s), %.2f times "
            "the create run\n",
            round, journalled, journalledMade, journalledMade == numbers + 1 ? "" : ", WRONG",
            first.engine > 0 ? journalled / first.engine : 0.0);
        // The run makes its destination too, counted with the main folders, as mkdir -p does.
        const bool firstRight = made == numbers + 1 && first.status == 0;
        if (!firstRight) ++failures;
        std::printf(
            "round %d, numbers: create run %.2f s (%.0f folders%s), xargs mkdir -p %.2f s, "
            "ratio %.2f\n",
            round, first.engine, made, firstRight ? "" : ", WRONG", first.shell,
            first.shell > 0 ? first.engine / first.shell : 0.0);

        // Their undo with the window shown, against rm -rf of the shell's folders.
        double undoSeconds = 0, removeSeconds = 0;
        const auto runUndo = [&] {
            Flush();
            const auto begin = Clock::now();
            RunFolderFileUndo(UndoTab::CreateIII, journal, numbersLog, fs, text, messenger);
            undoSeconds = SecondsSince(begin);
        };
        const auto runRemove = [&] {
            Flush();
            const std::string command = "rm -rf '" + base + "/ShellNumbers'";
            const auto begin = Clock::now();
            if (std::system(command.c_str()) != 0) std::fprintf(stderr, "rm -rf failed\n");
            removeSeconds = SecondsSince(begin);
        };
        if (round % 2 == 1) {
            runUndo();
            runRemove();
        } else {
            runRemove();
            runUndo();
        }
        std::error_code ec;
        const bool undone = std::filesystem::is_empty(base + "/EngineNumbers", ec) ||
                            !std::filesystem::exists(base + "/EngineNumbers", ec);
        if (!undone) ++failures;
        std::printf(
            "round %d, undo of the numbers: %.2f s%s, rm -rf %.2f s, ratio %.2f; peak "
            "memory so far %.0f MB\n",
            round, undoSeconds, undone ? "" : " (LEFT FOLDERS)", removeSeconds,
            removeSeconds > 0 ? undoSeconds / removeSeconds : 0.0, PeakMegabytes());
        numbersWindow.hide();

        CreateTabOptions named;
        named.tab = CreateTab::StringList;
        named.destination = "D:\\EngineNames";
        for (int i = 0; i < names; ++i) named.includeLines.push_back("Client" + Number(i));
        named.kind = TemplateKind::Relative;
        named.templates = templates;
        named.showExplorer = false;
        namesLog.Show();
        app.processEvents();
        const Timing second = TimeBoth(round, namesList, [&] {
            RunCreateFolders({fs, text, messenger, namesLog}, totals, journal, named, {});
        });
        const double mains = namesLog.Counter(CreationCounter::FoldersCreated);
        const double subs = namesLog.Counter(CreationCounter::SubFoldersCreated);
        const bool secondRight = mains == names + 1 &&
                                 subs == static_cast<double>(names) * kTemplateLines &&
                                 second.status == 0;
        if (!secondRight) ++failures;
        std::printf(
            "round %d, names with a template of %d: create run %.2f s (%.0f + %.0f "
            "folders%s), mkdir -p %.2f s, ratio %.2f\n",
            round, kTemplateLines, second.engine, mains, subs, secondRight ? "" : ", WRONG",
            second.shell, second.shell > 0 ? second.engine / second.shell : 0.0);
        namesWindow.hide();
        for (const char* folder :
             {"EngineNumbers", "JournalNumbers", "ShellNumbers", "EngineNames", "ShellNames"})
            std::filesystem::remove_all(base + "/" + folder);
    }
    std::filesystem::remove_all(base);
    return failures == 0 ? 0 : 1;
}
