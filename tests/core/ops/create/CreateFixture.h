#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/ops/copy/CopyTotals.h"
#include "core/ops/create/CreateRun.h"
#include "core/undo/FolderFileUndoRun.h"
#include "core/undo/UndoJournal.h"
#include "core/visuallog/VisualLog.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedMessenger.h"
#include "support/TempDrives.h"
#include "support/TreeSnapshot.h"

namespace arbovane::testing {

using Lines = std::vector<std::string>;
using Listing = std::map<CreationCategory, Lines>;

// Templates on D:, new folders on E:, all temporary and seen through a FaultyFileSystem; one
// creation tab's Visual Log, totals and journal.
class CreateFixture : public ::testing::Test {
protected:
    void SetUp() override {
        d_ = drives_.Map('D');
        e_ = drives_.Map('E');
    }

    // Entries ending in "/" are folders, the others files holding their own relative path.
    void Make(char drive, const Lines& entries) {
        TempDrives::MakeHostEntries(Host(drive, ""), entries);
    }
    std::string Host(char drive, const std::string& relative) const {
        return (drive == 'd' ? d_ : e_) + "/" + relative;
    }
    bool Exists(char drive, const std::string& relative) const {
        std::error_code ec;
        return std::filesystem::symlink_status(Host(drive, relative), ec).type() !=
               std::filesystem::file_type::not_found;
    }
    std::map<std::string, std::string> Snapshot() const {
        std::map<std::string, std::string> all;
        for (const auto& [path, what] : TreeSnapshot(d_)) all["d" + path] = what;
        for (const auto& [path, what] : TreeSnapshot(e_)) all["e" + path] = what;
        return all;
    }

    CreateRunPorts Ports() { return {fs_, drives_.TextPort(), messenger_, log_}; }
    CreateRunHooks Hooks() {
        CreateRunHooks hooks;
        hooks.lock = [this] { ++locks_; };
        hooks.unlock = [this] { ++unlocks_; };
        hooks.openDestination = [this](const std::string& folder) { opened_.push_back(folder); };
        hooks.runEnded = [this] { ++ended_; };
        return hooks;
    }
    bool Run(const CreateTabOptions& options, int answer = kAnswerYes) {
        messenger_.Clear();
        messenger_.Answer(answer);
        return RunCreateFolders(Ports(), totals_, journal_, options, Hooks());
    }
    bool Simulate(const CreateTabOptions& options, int answer = kAnswerYes) {
        messenger_.Clear();
        messenger_.Answer(answer);
        return RunCreateSimulation(Ports(), totals_, options, Hooks());
    }
    void Undo(CreateTab tab) {
        messenger_.Clear();
        messenger_.Answer(kAnswerYes);
        const UndoTab undoTab = tab == CreateTab::StringList ? UndoTab::CreateI
                                : tab == CreateTab::Numbers  ? UndoTab::CreateIII
                                                             : UndoTab::CreateII;
        RunFolderFileUndo(undoTab, journal_, log_, fs_, drives_.TextPort(), messenger_);
    }
    Listing Categories() const {
        Listing listing;
        for (std::size_t i = 0; i < log_.CategoryCount(); ++i)
            if (!log_.LinesAt(i).empty())
                listing[static_cast<CreationCategory>(i)] = log_.LinesAt(i);
        return listing;
    }
    double Count(CreationCounter counter) const { return log_.Counter(counter); }
    Lines Titles() const {
        Lines titles;
        for (const auto& shown : messenger_.Shown()) titles.push_back(shown.title);
        return titles;
    }

    TempDrives drives_;
    std::string d_, e_;
    FaultyFileSystem fs_{drives_.Fs()};
    ScriptedMessenger messenger_;
    VisualLog log_{VisualLogTab::Vol02};
    CopyTotals totals_;
    UndoJournal journal_;
    int locks_ = 0, unlocks_ = 0, ended_ = 0;
    Lines opened_;
};

inline CreateTabOptions Names(Lines names, TemplateKind kind = TemplateKind::Nothing,
                              Lines templates = {}, AttachMode mode = AttachMode::None) {
    CreateTabOptions options;
    options.tab = CreateTab::StringList;
    options.destination = "e:\\Dest";
    options.includeLines = std::move(names);
    options.kind = kind;
    options.templates = std::move(templates);
    options.mode = mode;
    return options;
}

inline CreateTabOptions Numbers(const char* start, const char* end,
                                TemplateKind kind = TemplateKind::Nothing, Lines templates = {},
                                AttachMode mode = AttachMode::None) {
    CreateTabOptions options = Names({}, kind, std::move(templates), mode);
    options.tab = CreateTab::Numbers;
    options.startText = start;
    options.endText = end;
    return options;
}

inline CreateTabOptions Paths(Lines paths, TemplateKind kind = TemplateKind::Nothing,
                              Lines templates = {}, AttachMode mode = AttachMode::None) {
    CreateTabOptions options = Names(std::move(paths), kind, std::move(templates), mode);
    options.tab = CreateTab::FolderList;
    options.destination.clear();
    return options;
}

inline CreateTabOptions With(CreateTabOptions options, const char* prefix, const char* suffix,
                             bool hyphen = true) {
    options.prefix = prefix;
    options.suffix = suffix;
    options.hyphen = hyphen;
    return options;
}

}  // namespace arbovane::testing
