// Random set-ups, each simulated and then run on the same trees: the simulation must list what the
// run lists, category by category and line by line, with the same counters; the run's lists of
// what it made must be what a walk of the disk finds new; and Undo must give the trees back.
//
// ARBOVANE_DIFFERENTIAL_SEED and ARBOVANE_DIFFERENTIAL_SETUPS choose other set-ups than CI's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/ops/copy/CopyRun.h"
#include "core/ops/copy/CopyTotals.h"
#include "core/ops/create/CreateRun.h"
#include "core/undo/FolderFileUndoRun.h"
#include "core/undo/UndoJournal.h"
#include "core/visuallog/VisualLog.h"
#include "support/ScriptedMessenger.h"
#include "support/TempDrives.h"
#include "support/TreeSnapshot.h"

namespace arbovane {
namespace {

namespace stdfs = std::filesystem;
using testing::ScriptedMessenger;
using testing::TempDrives;
using testing::TreeSnapshot;
using Lines = std::vector<std::string>;

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtoull(value, nullptr, 10) : fallback;
}

// Names a run meets: plain ones, case twins, and names Windows cannot make or address.
const Lines kNames = {
    "A",   "B",   "Docs", "docs",    "Mail",  "x.txt",  "X.TXT",  "notes",
    "Old", "a b", "CON",  "nul.txt", "aux.c", "trail.", "blank ", "COM1",
#ifndef _WIN32
    "a:b", "q?",  "s*",   "l<",      "g>",    "p|",     "d\"q",   "c\x01t",
#endif
};

const Lines kRelativeLines = {
    "\\P\\Q",       "\\P",         "\\Docs\\CON", "\\New\\a.",      "\\R\\trail.",
    "\\Q\\nul.txt", "\\Docs\\Old", "\\L\\Q\\R",   "\\A\\..\\..\\x", "\\Proj\\Proj Docs\\Old-proj",
    "\\Mail",       "\\docs\\New", "\\x.txt\\y",  "\\A\\B\\C",
#ifndef _WIN32
    "\\q?\\r",      "\\a:b",
#endif
};

// The outcome of one run as the Visual Log shows it.
struct Outcome {
    std::vector<Lines> categories;
    std::vector<double> counters;
    bool operator==(const Outcome&) const = default;
};

Outcome OutcomeOf(const VisualLog& log) {
    Outcome outcome;
    for (std::size_t i = 0; i < log.CategoryCount(); ++i)
        outcome.categories.push_back(log.LinesAt(i));
    for (std::size_t i = 0; i < log.CounterCount(); ++i)
        outcome.counters.push_back(log.CounterAt(i));
    return outcome;
}

std::string Describe(const Outcome& outcome) {
    std::ostringstream out;
    for (std::size_t i = 0; i < outcome.categories.size(); ++i) {
        if (outcome.categories[i].empty()) continue;
        out << "  category " << i << ":";
        for (const auto& line : outcome.categories[i]) out << " [" << line << "]";
        out << "\n";
    }
    out << "  counters:";
    for (double counter : outcome.counters) out << " " << counter;
    return out.str();
}

class SetUpMaker {
public:
    explicit SetUpMaker(std::uint64_t seed) : random_(seed) {}

    int Pick(int count) { return static_cast<int>(random_() % static_cast<unsigned>(count)); }
    bool Chance(int percent) { return Pick(100) < percent; }
    const std::string& Name() { return kNames[static_cast<std::size_t>(Pick(int(kNames.size())))]; }

    // A random tree below host, recorded in the description.
    void Tree(const std::string& host, const std::string& shown, int depth,
              std::ostringstream& description) {
        const int entries = Pick(depth == 0 ? 5 : 4);
        for (int i = 0; i < entries; ++i) {
            const std::string name = Name();
            const std::string path = host + "/" + name;
            std::error_code ec;
            if (stdfs::symlink_status(TempDrives::HostPathOf(path), ec).type() !=
                stdfs::file_type::not_found)
                continue;
            const int kind = Pick(100);
            if (kind < 45 && depth < 3) {
                TempDrives::MakeHostFolder(path);
                description << "    " << shown << "/" << name << "/\n";
                Tree(path, shown + "/" + name, depth + 1, description);
            } else if (kind < 85) {
                TempDrives::WriteHostFile(path,
                                          std::string(static_cast<std::size_t>(Pick(40)), 'x'));
                description << "    " << shown << "/" << name << "\n";
            } else {
                static const char* const kTargets[] = {"/Out", "/Out/file.txt", "/nowhere"};
                const std::string target = linkBase_ + kTargets[Pick(3)];
                if (std::string(target).find("file.txt") != std::string::npos)
                    stdfs::create_symlink(target, TempDrives::HostPathOf(path), ec);
                else
                    stdfs::create_directory_symlink(target, TempDrives::HostPathOf(path), ec);
                description << "    " << shown << "/" << name << " -> " << target << "\n";
            }
        }
    }
    void SetLinkBase(const std::string& base) { linkBase_ = base; }

private:
    std::mt19937_64 random_;
    std::string linkBase_;
};

class SimulationDifferentialTest : public ::testing::Test {
protected:
    // One set-up: trees on D: (templates) and E: (destinations), one operation.
    struct SetUp {
        std::string description;
        bool copy = true;
        CopyTabOptions copyOptions;
        CreateTabOptions createOptions;
    };

    SetUp Make(SetUpMaker& maker, const std::string& d, const std::string& e) {
        std::ostringstream description;
        TempDrives::MakeHostEntries(d + "/", {"Out/file.txt"});
        TempDrives::MakeHostEntries(e + "/", {"Out/file.txt"});
        maker.SetLinkBase(d);
        description << "  D:\n";
        for (const char* root : {"T1", "T2"}) {
            TempDrives::MakeHostFolder(d + "/" + root);
            description << "    /" << root << "/\n";
            maker.Tree(d + "/" + root, std::string("/") + root, 1, description);
        }
        maker.SetLinkBase(e);
        description << "  E:\n";
        for (const char* folder : {"I1", "I2"}) {
            if (!maker.Chance(85)) continue;
            TempDrives::MakeHostFolder(e + "/" + folder);
            description << "    /" << folder << "/\n";
            maker.Tree(e + "/" + folder, std::string("/") + folder, 2, description);
        }

        SetUp setUp;
        const int operation = maker.Pick(4);
        const Lines fullTemplates = [&] {
            Lines lines = {"d:\\T1"};
            if (maker.Chance(50)) lines.push_back("d:\\T2");
            if (maker.Chance(10)) lines = {"d:\\"};
            if (maker.Chance(10)) lines.push_back("d:\\T1\\");
            return lines;
        }();
        const Lines relativeTemplates = [&] {
            Lines lines;
            const int count = 1 + maker.Pick(4);
            for (int i = 0; i < count; ++i) {
                const std::string& line = kRelativeLines[static_cast<std::size_t>(
                    maker.Pick(int(kRelativeLines.size())))];
                if (std::find(lines.begin(), lines.end(), line) == lines.end())
                    lines.push_back(line);
            }
            return lines;
        }();
        const auto mode = static_cast<AttachMode>(1 + maker.Pick(4));
        const auto option = static_cast<TemplateOption>(maker.Pick(3));
        static const std::vector<Lines> kPatterns = {{"*.*"}, {"*.txt"}, {"*.txt", "*.*"}};
        const Lines& patterns = kPatterns[static_cast<std::size_t>(maker.Pick(3))];

        if (operation == 0) {
            CopyTabOptions& options = setUp.copyOptions;
            options.includeLines = {"e:\\I1", "e:\\I2"};
            if (maker.Chance(30)) options.includeLines.push_back("e:\\I1\\" + maker.Name());
            if (maker.Chance(20)) options.includeLines.push_back("e:\\I1\\");
            if (maker.Chance(40)) {
                options.kind = TemplateKind::FullPath;
                options.templates = fullTemplates;
                options.mode = mode;
            } else {
                options.kind = TemplateKind::Relative;
                options.templates = relativeTemplates;
                options.option = option;
            }
            options.patterns = patterns;
        } else {
            setUp.copy = false;
            CreateTabOptions& options = setUp.createOptions;
            static const Lines kDestinations = {"e:\\Dest", "e:\\I1", "e:\\Missing\\Deeper",
                                                "e:\\I1\\" + std::string("A")};
            options.destination = kDestinations[static_cast<std::size_t>(maker.Pick(4))];
            if (operation == 1) {
                options.tab = CreateTab::StringList;
                const int count = 1 + maker.Pick(4);
                for (int i = 0; i < count; ++i)
                    options.includeLines.push_back(maker.Chance(20) ? "A\\" + maker.Name()
                                                                    : maker.Name());
            } else if (operation == 2) {
                options.tab = CreateTab::FolderList;
                const int count = 1 + maker.Pick(4);
                for (int i = 0; i < count; ++i) {
                    static const Lines kParents = {"e:\\I1\\", "e:\\I2\\", "e:\\Z\\", "e:\\Out\\"};
                    options.includeLines.push_back(
                        kParents[static_cast<std::size_t>(maker.Pick(4))] + maker.Name());
                }
            } else {
                options.tab = CreateTab::Numbers;
                options.startText = std::to_string(1 + maker.Pick(9));
                options.endText = std::to_string(1 + maker.Pick(12));
                options.padded = maker.Chance(50);
                options.numbersInLevels = maker.Chance(40);
            }
            static const Lines kAffixes = {"", "", "P", "x.", "a b", "CON"};
            options.prefix = kAffixes[static_cast<std::size_t>(maker.Pick(6))];
            options.suffix = kAffixes[static_cast<std::size_t>(maker.Pick(6))];
            options.hyphen = maker.Chance(50);
            const int kind = maker.Pick(3);
            options.kind = kind == 0   ? TemplateKind::Nothing
                           : kind == 1 ? TemplateKind::FullPath
                                       : TemplateKind::Relative;
            if (options.kind == TemplateKind::FullPath) {
                options.templates = fullTemplates;
                options.mode = mode;
            } else if (options.kind == TemplateKind::Relative) {
                options.templates = relativeTemplates;
                options.option = option;
            }
        }

        description << "  operation " << operation << ", kind "
                    << static_cast<int>(setUp.copy ? setUp.copyOptions.kind
                                                   : setUp.createOptions.kind)
                    << ", mode " << static_cast<int>(mode) << ", option "
                    << static_cast<int>(option) << ", patterns";
        for (const auto& pattern : patterns) description << " " << pattern;
        description << "\n  lines:";
        for (const auto& line :
             setUp.copy ? setUp.copyOptions.includeLines : setUp.createOptions.includeLines)
            description << " [" << line << "]";
        description << "\n  templates:";
        for (const auto& line :
             setUp.copy ? setUp.copyOptions.templates : setUp.createOptions.templates)
            description << " [" << line << "]";
        if (!setUp.copy) {
            const CreateTabOptions& o = setUp.createOptions;
            description << "\n  destination [" << o.destination << "] prefix [" << o.prefix
                        << "] suffix [" << o.suffix << "] hyphen " << o.hyphen << " numbers "
                        << o.startText << "-" << o.endText << " padded " << o.padded
                        << " in levels " << o.numbersInLevels;
        }
        setUp.description = description.str();
        return setUp;
    }
};

// The entry a path of E: leads to, as a key below the drive's folder: links on the way followed
// (a destination may be a link, which a path goes through), letter case folded (the host may find
// a name in another letter case than the one the log spells).
std::string KeyOf(const std::string& hostDrive, const std::string& path) {
    std::string relative = path.substr(2);
    for (char& c : relative)
        if (c == '\\') c = '/';
    std::error_code ec;
    const stdfs::path base = stdfs::weakly_canonical(TempDrives::HostPathOf(hostDrive), ec);
    stdfs::path full = TempDrives::HostPathOf(hostDrive + relative);
    // The entry itself is not followed, only the folders above it.
    full = stdfs::weakly_canonical(full.parent_path(), ec) / full.filename();
    std::string key = TempDrives::HostTextOf(full).substr(TempDrives::HostTextOf(base).size());
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return key;
}

TEST_F(SimulationDifferentialTest, TheSimulationListsWhatTheRunLists) {
    const std::uint64_t seed = FromEnvironment("ARBOVANE_DIFFERENTIAL_SEED", 24);
    const std::uint64_t setUps = FromEnvironment("ARBOVANE_DIFFERENTIAL_SETUPS", 500);
    for (std::uint64_t i = 0; i < setUps; ++i) {
        SetUpMaker maker(seed * 1000003 + i);
        TempDrives drives;
        const std::string d = drives.Map('D');
        const std::string e = drives.Map('E');
        const SetUp setUp = Make(maker, d, e);
        const std::string where = "set-up " + std::to_string(i) + " of seed " +
                                  std::to_string(seed) + ":\n" + setUp.description;
        const auto before = TreeSnapshot(e);
        const auto templates = TreeSnapshot(d);

        ScriptedMessenger messenger;
        VisualLog log(setUp.copy ? VisualLogTab::Vol08 : VisualLogTab::Vol02);
        CopyTotals totals;
        UndoJournal journal;
        const auto run = [&](bool simulate) {
            messenger.Clear();
            messenger.Answer(kAnswerYes);
            if (setUp.copy) {
                const CopyRunPorts ports{drives.Fs(), drives.TextPort(), messenger, log};
                if (simulate) return RunCopySimulation(ports, totals, setUp.copyOptions, {});
                return RunCopyFolders(ports, totals, journal, setUp.copyOptions, {});
            }
            const CreateRunPorts ports{drives.Fs(), drives.TextPort(), messenger, log};
            if (simulate) return RunCreateSimulation(ports, totals, setUp.createOptions, {});
            return RunCreateFolders(ports, totals, journal, setUp.createOptions, {});
        };

        const bool simulated = run(true);
        const Outcome simulation = OutcomeOf(log);
        ASSERT_EQ(TreeSnapshot(e), before) << "the simulation changed the disk; " << where;
        const bool ran = run(false);
        const Outcome real = OutcomeOf(log);
        ASSERT_EQ(simulated, ran) << where;
        ASSERT_EQ(simulation, real) << where << "\nsimulation:\n"
                                    << Describe(simulation) << "\nrun:\n"
                                    << Describe(real);
        ASSERT_EQ(TreeSnapshot(d), templates) << "the run changed a template; " << where;

        // What the log says the run made is what the disk holds new, entry for entry.
        const auto after = TreeSnapshot(e);
        std::vector<std::string> made;
        for (const auto& [path, what] : after)
            if (!before.count(path)) made.push_back(KeyOf(e, "e:" + path));
        std::vector<std::string> listed;
        const std::vector<std::size_t> madeCategories =
            setUp.copy ? std::vector<std::size_t>{1, 2} : std::vector<std::size_t>{0, 1, 2};
        for (std::size_t category : madeCategories)
            for (const std::string& line : real.categories[category])
                listed.push_back(KeyOf(e, line));
        std::sort(made.begin(), made.end());
        std::sort(listed.begin(), listed.end());
        ASSERT_EQ(listed, made) << where << "\nrun:\n" << Describe(real);

        // Copied files alone make no undo: the Undo button refuses them.
        if (journal.CreatedMainFolders.empty() && journal.CreatedStructureFolders.empty()) continue;
        messenger.Clear();
        messenger.Answer(kAnswerYes);
        const UndoTab tab = setUp.copy                                         ? UndoTab::Copy
                            : setUp.createOptions.tab == CreateTab::StringList ? UndoTab::CreateI
                            : setUp.createOptions.tab == CreateTab::Numbers    ? UndoTab::CreateIII
                                                                               : UndoTab::CreateII;
        RunFolderFileUndo(tab, journal, log, drives.Fs(), drives.TextPort(), messenger);
        ASSERT_EQ(TreeSnapshot(e), before) << "undo left the tree changed; " << where;
    }
}

}  // namespace
}  // namespace arbovane
