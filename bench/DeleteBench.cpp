// Builds two identical trees of 10,000 folders holding 100,000 small files in a temporary folder,
// deletes one with SmartDelete (mode Complete) through the Delete tab's Visual Log with its window
// shown, a third with the command-line program (its category lists written with --log), and the
// last with `rm -rf`, and prints the times.
//
// Usage: delete_bench [rounds]   (QT_QPA_PLATFORM=offscreen for a machine without a display)

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "NoShell.h"
#include "core/app/ProgramSettings.h"
#include "core/ops/delete/SmartDelete.h"
#include "core/visuallog/VisualLog.h"
#include "gui/acquire/TfrmFileExport.h"
#include "gui/app/GuiContext.h"
#include "gui/app/QtMessenger.h"
#include "gui/visuallog/TfrmStatistics07.h"
#include "platform/posix/IcuText.h"
#include "platform/posix/PosixFileSystem.h"

namespace {

using namespace arbovane;
using Clock = std::chrono::steady_clock;

// 100 folders with 99 below each: 10,000 folders, 10 files in every one.
constexpr int kTop = 100;
constexpr int kBelow = 99;
constexpr int kFilesPerFolder = 10;
constexpr int kFolders = kTop * (1 + kBelow);
constexpr int kFiles = kFolders * kFilesPerFolder;

// Writes every pending change to the disk, so a timing starts from a quiet file system.
void Flush() {
    if (std::system("sync") != 0) std::fprintf(stderr, "sync failed\n");
}

// User plus system time of this process (RUSAGE_SELF) or of its waited-for children.
double CpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
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

bool BuildTree(const std::string& root) {
    if (mkdir(root.c_str(), 0755) != 0) return false;
    for (int a = 0; a < kTop; ++a) {
        const std::string top = root + "/Customer" + std::to_string(a);
        if (!MakeFiles(top)) return false;
        for (int b = 0; b < kBelow; ++b)
            if (!MakeFiles(top + "/Project" + std::to_string(b))) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;

    std::string base = (std::filesystem::temp_directory_path() / "delete-bench-XXXXXX").string();
    if (!mkdtemp(base.data())) {
        std::perror("mkdtemp");
        return 1;
    }

    IcuText text;
    PosixFileSystem fs(text);
    fs.MapDrive('D', base);
    QtMessenger messenger;
    NoShell shell;
    ProgramSettings settings;
    GuiContext context{fs, text, messenger, shell, settings};
    TfrmFileExport exportDialog(context);
    VisualLog log(VisualLogTab::Vol07);
    TfrmStatistics07 window(context, log, exportDialog);

    int failures = 0;
    for (int round = 1; round <= rounds; ++round) {
        auto start = Clock::now();
        if (!BuildTree(base + "/Engine") || !BuildTree(base + "/Shell") ||
            !BuildTree(base + "/Cli")) {
            std::perror("building the trees");
            std::filesystem::remove_all(base);
            return 1;
        }
        std::printf("built 3 x %d folders, %d files in %.2f s\n", kFolders + 1, kFiles,
                    SecondsSince(start));

        log.BeginRun(VisualLogMode::Normal);
        log.Show();
        app.processEvents();

        // The creation's pending writes must not be charged to whichever deletion runs first;
        // the order alternates between rounds for the same reason.
        double engineTime = 0, engineCpu = 0;
        double shellTime = 0, shellCpu = 0;
        int status = 0;
        const auto timeEngine = [&] {
            Flush();
            const double cpu = CpuSeconds(RUSAGE_SELF);
            const auto begin = Clock::now();
            {
                SmartDelete engine({fs, log, {}, false}, "D:\\Engine");
                engine.SetMode(SmartDeleteMode::Complete);
                engine.RunStructure();
            }
            log.EndRun();
            engineTime = SecondsSince(begin);
            engineCpu = CpuSeconds(RUSAGE_SELF) - cpu;
        };
        const auto timeShell = [&] {
            Flush();
            const std::string remove = "rm -rf '" + base + "/Shell'";
            const double cpu = CpuSeconds(RUSAGE_CHILDREN);
            const auto begin = Clock::now();
            status = std::system(remove.c_str());
            shellTime = SecondsSince(begin);
            shellCpu = CpuSeconds(RUSAGE_CHILDREN) - cpu;
        };
        double cliTime = 0;
        int cliStatus = 0;
        const auto timeCli = [&] {
            Flush();
            const std::string run = std::string(ARBOVANE_CLI_PATH) +
                                    " delete --mode complete --yes --line '" + base +
                                    "/Cli' --log '" + base + "/cli-log.csv' > /dev/null 2>&1";
            const auto begin = Clock::now();
            cliStatus = std::system(run.c_str());
            cliTime = SecondsSince(begin);
        };
        // Whoever goes first changes from round to round.
        const std::function<void()> contenders[] = {timeEngine, timeShell, timeCli};
        for (int i = 0; i < 3; ++i) contenders[(round - 1 + i) % 3]();

        const bool right = log.Counter(Vol07Counter::FilesDeleted) == kFiles &&
                           log.Counter(Vol07Counter::FoldersDeleted) == kFolders + 1 &&
                           !std::filesystem::exists(base + "/Engine") && status == 0;
        if (!right) ++failures;
        std::printf(
            "round %d: SmartDelete %.2f s (cpu %.2f s; %.0f files, %.0f folders%s), rm -rf "
            "%.2f s (cpu %.2f s), ratio %.2f\n",
            round, engineTime, engineCpu, log.Counter(Vol07Counter::FilesDeleted),
            log.Counter(Vol07Counter::FoldersDeleted), right ? "" : ", WRONG", shellTime, shellCpu,
            shellTime > 0 ? engineTime / shellTime : 0.0);
        std::printf("round %d: command line %.2f s%s, %.2f times the engine\n", round, cliTime,
                    cliStatus == 0 && !std::filesystem::exists(base + "/Cli") ? "" : ", WRONG",
                    engineTime > 0 ? cliTime / engineTime : 0.0);
        std::filesystem::remove_all(base + "/Engine");
        std::filesystem::remove_all(base + "/Shell");
        std::filesystem::remove_all(base + "/Cli");
    }
    std::filesystem::remove_all(base);
    return failures == 0 ? 0 : 1;
}
