#include "core/undo/RenameUndo.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <set>

#include "core/ops/rename/RenameNames.h"
#include "core/paths/BlankTrim.h"
#include "core/paths/PathText.h"
#include "core/run/RunMessages.h"
#include "core/undo/UndoJournal.h"
#include "core/visuallog/VisualLog.h"
#include "platform/FileSystem.h"
#include "platform/Messenger.h"

namespace arbovane {

namespace {

struct UndoMessage {
    const char* text;
    const char* title;
    int flags;
};

enum MessageIndex { kNothingToUndo, kQuestion, kReport, kEnd };

const std::array<UndoMessage, 4> kMessages = {{
    {"No UNDO process !!!\nThere are no renamed Folders !!!\nYou must rename at least on one "
     "Folder to UNDO it.",
     "Rename Folder(s).-From a Folder List.            Warning no: 0211.", kMsgWarning},
    {"Do you want UNDO all Folders renamed last time ?",
     "Rename Folder(s).-From a Folder List.            Information no: 0212.", kMsgQuestion},
    {"The program is unable to rename the following folders  : \n",
     "Rename Folder(s).-From a Folder List.            Information no: 0213.", kMsgWarning},
    {"End of Undo process !!!",
     "Rename Folder(s).-From a Folder List.            Information no: 0214.", kMsgInformation},
}};

const char* const kExistingSourcesHeading = "\nSOURCE FOLDERS DO EXIST : \n\n";
const char* const kMissingDestinationsHeading = "\nDESTINATION FOLDERS DO NOT EXIST : \n\n";
const char* const kOtherReasonsHeading = "\nOTHER REASONS   : \n\n";

int Show(Messenger& messenger, MessageIndex index, const std::string& text) {
    const UndoMessage& message = kMessages[index];
    return messenger.Show(text, message.title, message.flags);
}

int Show(Messenger& messenger, MessageIndex index) {
    return Show(messenger, index, kMessages[index].text);
}

void AppendSection(std::string& report, const char* heading,
                   const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    report += heading;
    for (const std::string& path : paths) report += path + "\n";
}

}  // namespace

RenameUndo::RenameUndo(FileSystem& fs, Messenger& messenger, VisualLog& log)
    : fs_(fs), messenger_(messenger), log_(log) {}

RenameUndoResult RenameUndo::Run(RenameJournal& journal, const UndoHooks& hooks) {
    RenameUndoResult result;
    if (journal.RenamedPairs.empty() && journal.FailedUndoPairs.empty()) {
        Show(messenger_, kNothingToUndo);
        return result;
    }
    if (journal.FromInterruptedRun) {
        const OpMessage interrupted = RunMessage(VisualLogTab::Vol06, RunMessageId::Interrupted);
        messenger_.Show(interrupted.text, interrupted.title, interrupted.flags);
    }
    if (Show(messenger_, kQuestion) != kAnswerYes) return result;
    result.ran = true;
    if (hooks.begin) hooks.begin();
    log_.ClearStop();
    const std::set<std::string> started = std::move(journal.UndoStartedPairs);
    journal.UndoStartedPairs.clear();
    journal.FromInterruptedRun = false;

    const std::vector<_tagReplaceFoldersStruct> work =
        journal.RenamedPairs.empty() ? journal.FailedUndoPairs : journal.RenamedPairs;
    journal.RenamedPairs.clear();
    journal.FailedUndoPairs.clear();
    log_.ClearOutcomes();
    existingSources_.clear();
    missingDestinations_.clear();
    otherReasons_.clear();

    // The exact reverse of the run, last rename first: a child renamed before its parent gets its
    // name back after the parent's, and a rename into a name the run had just freed (A to A_old
    // after A_old to A_old_old) is taken back before the one that freed it.
    std::vector<_tagReplaceFoldersStruct> failed;
    for (auto it = work.rbegin(); it != work.rend(); ++it) {
        const _tagReplaceFoldersStruct& pair = *it;
        if (log_.StopRequested()) {
            failed.push_back(pair);
            continue;
        }
        const RenameSource renamed = SplitRenameSource(pair.NewPath);
        // A rename never moves a folder: a pair that would is no rename of the run.
        if (!IsRenamePair(pair)) {
            otherReasons_.push_back(TrimBlanksAndControls(pair.OldPath));
            continue;
        }
        // The old name of a case-only rename finds the renamed folder itself.
        const bool oldNameTaken =
            IsExistingFolder(fs_, pair.OldPath) && !IsCaseOnlyRename(fs_, renamed, pair.OldPath);
        if (!IsExistingFolder(fs_, pair.NewPath)) {
            // Renamed back by an undo that was cut off before it could say so.
            if (started.count(pair.NewPath) && IsExistingFolder(fs_, pair.OldPath)) continue;
            missingDestinations_.push_back(TrimBlanksAndControls(pair.NewPath));
            result.renamedMissing.push_back(pair);
        } else if (oldNameTaken) {
            existingSources_.push_back(TrimBlanksAndControls(pair.OldPath));
            result.oldNameTaken.push_back(pair);
        } else if (!fs_.MoveFolderNoReplace(pair.NewPath, pair.OldPath)) {
            otherReasons_.push_back(TrimBlanksAndControls(pair.OldPath));
            failed.push_back(pair);
        } else {
            result.renamedBack.push_back(pair);
        }
    }
    // Kept in the run's order, so the next Undo takes them back in reverse again.
    journal.FailedUndoPairs.assign(failed.rbegin(), failed.rend());
    result.failed = journal.FailedUndoPairs;
    for (auto* pairs : {&result.renamedBack, &result.oldNameTaken, &result.renamedMissing})
        std::reverse(pairs->begin(), pairs->end());

    for (const _tagReplaceFoldersStruct& pair : journal.FailedUndoPairs) {
        log_.Add(Vol06Counter::FailedUndo, 1);
        log_.AddEntry(Vol06Category::FoldersFailedUndo, TrimBlanksAndControls(pair.OldPath));
        log_.Refresh();
    }
    log_.Flush();

    log_.SetNote(UndoSummaryText(result));
    if (hooks.end) hooks.end();
    const std::string report = BuildReport();
    if (!report.empty()) Show(messenger_, kReport, report);
    if (log_.Stopped()) {
        const OpMessage stopped = RunMessage(VisualLogTab::Vol06, RunMessageId::UndoStopped);
        messenger_.Show(stopped.text, stopped.title, stopped.flags);
    } else {
        Show(messenger_, kEnd);
    }
    return result;
}

std::string RenameUndo::BuildReport() const {
    if (existingSources_.empty() && missingDestinations_.empty() && otherReasons_.empty())
        return {};
    std::string report = kMessages[kReport].text;
    AppendSection(report, kExistingSourcesHeading, existingSources_);
    AppendSection(report, kMissingDestinationsHeading, missingDestinations_);
    AppendSection(report, kOtherReasonsHeading, otherReasons_);
    return report;
}

}  // namespace arbovane
