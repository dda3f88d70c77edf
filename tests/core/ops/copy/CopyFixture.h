#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/ops/copy/CopyRun.h"
#include "core/ops/copy/CopyTotals.h"
#include "core/undo/UndoJournal.h"
#include "core/visuallog/VisualLog.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedMessenger.h"
#include "support/TempDrives.h"
#include "support/TreeSnapshot.h"

namespace arbovane::testing {

using Lines = std::vector<std::string>;
// A category and the lines it must hold, in order.
using Listing = std::map<Vol08Category, Lines>;

// Templates on D:, destinations on E: and F:, all temporary and seen through a FaultyFileSystem;
// the copy tab's Visual Log, totals and journal.
class CopyFixture : public ::testing::Test {
protected:
    void SetUp() override {
        d_ = drives_.Map('D');
        e_ = drives_.Map('E');
        f_ = drives_.Map('F');
    }

    // Entries ending in "/" are folders, the others files holding their own relative path.
    void Make(char drive, const Lines& entries) {
        TempDrives::MakeHostEntries(Host(drive, ""), entries);
    }
    std::string Host(char drive, const std::string& relative) const {
        return (drive == 'd' ? d_ : drive == 'e' ? e_ : f_) + "/" + relative;
    }
    bool Exists(char drive, const std::string& relative) const {
        std::error_code ec;
        return std::filesystem::symlink_status(Host(drive, relative), ec).type() !=
               std::filesystem::file_type::not_found;
    }
    std::map<std::string, std::string> Snapshot(char drive) const {
        return TreeSnapshot(drive == 'd' ? d_ : drive == 'e' ? e_ : f_);
    }

    CopyRunPorts Ports() { return {fs_, drives_.TextPort(), messenger_, log_}; }
    CopyRunHooks Hooks() {
        return {[this] { ++locks_; }, [this] { ++unlocks_; }, [this] { ++pumps_; }, nullptr};
    }
    // Answers Yes to the question and runs.
    bool Run(const CopyTabOptions& options) {
        messenger_.Clear();
        messenger_.Answer(kAnswerYes);
        return RunCopyFolders(Ports(), totals_, journal_, options, Hooks());
    }
    bool Simulate(const CopyTabOptions& options) {
        messenger_.Clear();
        messenger_.Answer(kAnswerYes);
        return RunCopySimulation(Ports(), totals_, options, Hooks());
    }
    Listing Categories() const {
        Listing listing;
        for (std::size_t i = 0; i < log_.CategoryCount(); ++i)
            if (!log_.LinesAt(i).empty()) listing[static_cast<Vol08Category>(i)] = log_.LinesAt(i);
        return listing;
    }
    double Count(Vol08Counter counter) const { return log_.Counter(counter); }

    TempDrives drives_;
    std::string d_, e_, f_;
    FaultyFileSystem fs_{drives_.Fs()};
    ScriptedMessenger messenger_;
    VisualLog log_{VisualLogTab::Vol08};
    CopyTotals totals_;
    UndoJournal journal_;
    int locks_ = 0, unlocks_ = 0, pumps_ = 0;
};

inline CopyTabOptions FullPath(Lines include, Lines templates, AttachMode mode,
                               Lines patterns = {"*.*"}) {
    CopyTabOptions options;
    options.includeLines = std::move(include);
    options.templates = std::move(templates);
    options.kind = TemplateKind::FullPath;
    options.mode = mode;
    options.patterns = std::move(patterns);
    return options;
}

inline CopyTabOptions Relative(Lines include, Lines templates, TemplateOption option) {
    CopyTabOptions options;
    options.includeLines = std::move(include);
    options.templates = std::move(templates);
    options.kind = TemplateKind::Relative;
    options.option = option;
    options.patterns = {"*.*"};
    return options;
}

}  // namespace arbovane::testing
