// Copies a template of 100 folders and 1,000 small files into 200 include folders (20,000 folders,
// 200,000 files) with the copy run and the copy Visual Log window shown, and the same copies with
// `cp -r -n`; then the structure alone against `mkdir -p` of the same folder list. The command-line
// program (its category lists written with --log) does each too. Each round changes which goes
// first, on identical fresh destinations. The copy run goes twice: straight to the disk, and
// through the undo record written ahead of every change, as the tab runs it.
//
// Usage: copy_bench [rounds]   (QT_QPA_PLATFORM=offscreen for a machine without a display)

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "NoShell.h"
#include "YesMessenger.h"
#include "core/app/ProgramSettings.h"
#include "core/ops/copy/CopyRun.h"
#include "core/ops/copy/CopyTotals.h"
#include "core/run/JournalKeeper.h"
#include "core/undo/UndoJournal.h"
#include "core/visuallog/VisualLog.h"
#include "gui/acquire/TfrmFileExport.h"
#include "gui/app/GuiContext.h"
#include "gui/visuallog/TfrmStatistic08.h"
#include "platform/posix/IcuText.h"
#include "platform/posix/PosixFileSystem.h"

namespace {

using namespace arbovane;
using Clock = std::chrono::steady_clock;

constexpr int kIncludes = 200;
constexpr int kTop = 9;  // the template root, 9 folders below it, 10 below each
constexpr int kFilesPerFolder = 10;
constexpr int kParts = 10;
constexpr int kTemplateFolders = 1 + kTop + kTop * kParts;  // 100 with the root

void Flush() {
    if (std::system("sync") != 0) std::fprintf(stderr, "sync failed\n");
}

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

bool MakeFiles(const std::string& folder) {
    if (mkdir(folder.c_str(), 0755) != 0) return false;
    for (int i = 0; i < kFilesPerFolder; ++i) {
        const std::string path = folder + "/file" + std::to_string(i) + ".txt";
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0) return false;
        const bool written = write(fd, "small file data\n", 16) == 16;
        close(fd);
        if (!written) return false;
    }
    return true;
}

// Template folders relative to the template's parent, breadth-first.
std::vector<std::string> TemplateFolders() {
    std::vector<std::string> folders{"T"};
    for (int a = 0; a < kTop; ++a) folders.push_back("T/Area" + std::to_string(a));
    for (int a = 0; a < kTop; ++a)
        for (int b = 0; b < kParts; ++b)
            folders.push_back("T/Area" + std::to_string(a) + "/Part" + std::to_string(b));
    return folders;
}

bool BuildTemplate(const std::string& parent) {
    for (const std::string& folder : TemplateFolders())
        if (!MakeFiles(parent + "/" + folder)) return false;
    return true;
}

bool BuildIncludes(const std::string& root) {
    if (mkdir(root.c_str(), 0755) != 0) return false;
    for (int i = 0; i < kIncludes; ++i)
        if (mkdir((root + "/Client" + std::to_string(i)).c_str(), 0755) != 0) return false;
    return true;
}

struct Timing {
    double engine = 0, journalled = 0, shell = 0, cli = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    std::string base = (std::filesystem::temp_directory_path() / "copy-bench-XXXXXX").string();
    if (!mkdtemp(base.data()) || !BuildTemplate(base)) {
        std::perror("building the template");
        return 1;
    }

    IcuText text;
    PosixFileSystem fs(text);
    fs.MapDrive('D', base);
    YesMessenger messenger;
    messenger.quietTitle = "0285.";
    NoShell shell;
    ProgramSettings settings;
    GuiContext context{fs, text, messenger, shell, settings};
    TfrmFileExport exportDialog(context);
    VisualLog log(VisualLogTab::Vol08);
    TfrmStatistic08 window(context, log, exportDialog);
    CopyTotals totals;
    UndoJournal journal;

    const auto options = [&](const std::string& root, AttachMode mode) {
        CopyTabOptions o;
        for (int i = 0; i < kIncludes; ++i)
            o.includeLines.push_back("D:\\" + root + "\\Client" + std::to_string(i));
        o.templates = {"D:\\T"};
        o.kind = TemplateKind::FullPath;
        o.mode = mode;
        o.patterns = {"*.*"};
        return o;
    };
    const std::string listFile = base + "/folders.txt";
    {
        std::ofstream list(listFile);
        for (int i = 0; i < kIncludes; ++i)
            for (const std::string& folder : TemplateFolders())
                list << base << "/ShellDirs/Client" << i << "/" << folder << "\n";
    }

    int failures = 0;
    for (int round = 1; round <= rounds; ++round) {
        for (const bool withFiles : {true, false}) {
            const AttachMode mode =
                withFiles ? AttachMode::MainFolderWithFiles : AttachMode::MainFolderWithoutFiles;
            const std::string engineRoot = withFiles ? "Engine" : "EngineDirs";
            const std::string shellRoot = withFiles ? "Shell" : "ShellDirs";
            const std::string cliRoot = withFiles ? "Cli" : "CliDirs";
            const std::string journalRoot = withFiles ? "Journal" : "JournalDirs";
            if (!BuildIncludes(base + "/" + engineRoot) || !BuildIncludes(base + "/" + shellRoot) ||
                !BuildIncludes(base + "/" + cliRoot) || !BuildIncludes(base + "/" + journalRoot)) {
                std::perror("building the include folders");
                return 1;
            }
            Timing t;
            int status = 0;
            double engineFolders = 0, engineFiles = 0;
            const auto timeEngine = [&] {
                Flush();
                const auto begin = Clock::now();
                RunCopyFolders({fs, text, messenger, log}, totals, journal,
                               options(engineRoot, mode), {});
                t.engine = SecondsSince(begin);
                engineFolders = log.Counter(Vol08Counter::SubFoldersCopied);
                engineFiles = log.Counter(Vol08Counter::FilesCopied);
            };
            double journalledFolders = 0;
            const auto timeJournalled = [&] {
                JournalKeeper keeper(fs, "copy_bench");
                keeper.SetPath(base + "/undo-copy.journal");
                Flush();
                const auto begin = Clock::now();
                FileSystem& written = keeper.RunFileSystem(FolderRunJournal(UndoTab::Copy, {}));
                RunCopyFolders({written, text, messenger, log}, totals, journal,
                               options(journalRoot, mode), {});
                keeper.EndRun(FolderRunJournal(UndoTab::Copy, journal));
                t.journalled = SecondsSince(begin);
                journalledFolders = log.Counter(Vol08Counter::SubFoldersCopied);
            };
            const auto timeShell = [&] {
                Flush();
                const std::string command =
                    withFiles
                        ? "cd '" + base + "' && for i in $(seq 0 " + std::to_string(kIncludes - 1) +
                              "); do cp -r -n T " + shellRoot + "/Client$i/ || exit 1; done"
                        : "xargs mkdir -p < '" + listFile + "'";
                const auto begin = Clock::now();
                status = std::system(command.c_str());
                t.shell = SecondsSince(begin);
            };
            int cliStatus = 0;
            const auto timeCli = [&] {
                const std::string includes = base + "/cli-includes.txt";
                {
                    std::ofstream list(includes);
                    for (int i = 0; i < kIncludes; ++i)
                        list << base << "/" << cliRoot << "/Client" << i << "\n";
                }
                Flush();
                const std::string run = std::string(ARBOVANE_CLI_PATH) +
                                        " copy --kind full --attach " +
                                        (withFiles ? "main-with-files" : "main-without-files") +
                                        " --template '" + base + "/T' --list '" + includes +
                                        "' --log '" + base + "/cli-log.csv' > /dev/null 2>&1";
                const auto begin = Clock::now();
                cliStatus = std::system(run.c_str());
                t.cli = SecondsSince(begin);
            };
            log.Show();
            app.processEvents();
            // Whoever goes first changes from round to round.
            const std::function<void()> contenders[] = {timeEngine, timeJournalled, timeShell,
                                                        timeCli};
            for (int i = 0; i < 4; ++i) contenders[(round - 1 + i) % 4]();
            const double folders = engineFolders;
            const double files = engineFiles;
            const bool right =
                folders == kIncludes * kTemplateFolders &&
                files == (withFiles ? kIncludes * kTemplateFolders * kFilesPerFolder : 0) &&
                status == 0;
            if (!right) ++failures;
            std::printf(
                "round %d, %s: copy run %.2f s (%.0f folders, %.0f files%s), %s %.2f s, "
                "ratio %.2f\n",
                round, withFiles ? "with files" : "structure only", t.engine, folders, files,
                right ? "" : ", WRONG", withFiles ? "cp -r -n" : "mkdir -p", t.shell,
                t.shell > 0 ? t.engine / t.shell : 0.0);
            std::printf("round %d, %s: command line %.2f s%s, %.2f times the copy run\n", round,
                        withFiles ? "with files" : "structure only", t.cli,
                        cliStatus == 0 ? "" : ", WRONG", t.engine > 0 ? t.cli / t.engine : 0.0);
            std::printf(
                "round %d, %s: copy run with its undo record %.2f s%s, %.2f times the copy "
                "run\n",
                round, withFiles ? "with files" : "structure only", t.journalled,
                journalledFolders == kIncludes * kTemplateFolders ? "" : ", WRONG",
                t.engine > 0 ? t.journalled / t.engine : 0.0);
            std::filesystem::remove_all(base + "/" + cliRoot);
            std::filesystem::remove_all(base + "/" + journalRoot);
            std::filesystem::remove_all(base + "/" + engineRoot);
            std::filesystem::remove_all(base + "/" + shellRoot);
        }
    }
    std::filesystem::remove_all(base);
    return failures == 0 ? 0 : 1;
}
