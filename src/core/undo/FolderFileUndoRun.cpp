#include "core/undo/FolderFileUndoRun.h"

#include <map>

#include "core/run/RunMessages.h"
#include "core/undo/FolderFileUndo.h"
#include "core/undo/UndoMessages.h"
#include "core/undo/UndoPlan.h"
#include "core/visuallog/VisualLog.h"
#include "platform/Messenger.h"

namespace arbovane {

namespace {

// Entries between two progress notes of an undo.
constexpr std::size_t kUndoProgressStep = 1000;

void CountFailedUndo(UndoTab tab, VisualLog& log) {
    if (tab == UndoTab::Copy) {
        log.Add(Vol08Counter::FailedUndo, 1);
    } else {
        log.Add(CreationCounter::FailedUndo, 1);
    }
}

void ListFailedUndo(UndoTab tab, VisualLog& log, const std::string& folder) {
    if (tab == UndoTab::Copy) {
        log.AddEntry(Vol08Category::SubFoldersFailedUndo, folder);
    } else {
        log.AddEntry(CreationCategory::FoldersFailedUndo, folder);
    }
}

void ForgetLastRun(UndoJournal& journal) {
    // The marker and the root stay: they describe the run, not what is left of it.
    journal.CreatedMainFolders.clear();
    journal.CopyTargetFolders.clear();
    journal.CreatedStructureFolders.clear();
    journal.CopiedFiles.clear();
    journal.CopiedFileStamps.clear();
    journal.FailedUndoFolders.clear();
    journal.FromInterruptedRun = false;
    journal.UnconfirmedEntry.clear();
    journal.RunStartedNs = 0;
    journal.UndoStartedFiles.clear();
}

}  // namespace

FolderFileUndoResult RunFolderFileUndo(UndoTab tab, UndoJournal& journal, VisualLog& log,
                                       FileSystem& fs, const Text& text, Messenger& messenger,
                                       const UndoHooks& hooks) {
    const UndoTabTexts& texts = UndoTextsFor(tab);
    const UndoPlan* plan = UndoPlanFor(tab, journal);
    const bool undoable = HasSomethingToUndo(tab, journal);
    // A journal whose marker no plan knows cannot be taken back safely either.
    if (!undoable || !plan) {
        messenger.Show(texts.nothingText, texts.nothingTitle, kMsgWarning);
        return {};
    }
    if (journal.FromInterruptedRun) {
        const OpMessage interrupted = RunMessage(LogTabOf(tab), RunMessageId::Interrupted);
        messenger.Show(interrupted.text, interrupted.title, interrupted.flags);
    }
    if (messenger.Show(texts.questionText, texts.questionTitle, kMsgQuestion) != kAnswerYes)
        return {};
    if (hooks.begin) hooks.begin();

    log.ClearStop();
    FolderFileUndo undo(fs, text);
    undo.SetStop([&log] { return log.StopRequested(); });
    // A long undo says how far it is; the note is written again only now and then, as the log
    // repaints only a few times a second anyway.
    undo.SetProgress([&log](std::size_t done, std::size_t total) {
        if (done % kUndoProgressStep != 0 || done == total) return;
        log.SetNote(UndoProgressText(done, total));
    });
    undo.SetUnconfirmed(journal.UnconfirmedEntry, journal.RunStartedNs);
    undo.SetUndoStartedFiles(journal.UndoStartedFiles);
    if (plan->boundaries == UndoBoundaries::Root) undo.SetRoot(journal.UndoRoot);
    undo.SetMainFolders(JournalListOf(journal, plan->mainFolders));
    undo.SetStructureFolders(JournalListOf(journal, plan->structureFolders));
    undo.SetFiles(JournalListOf(journal, plan->files));
    undo.SetFileStamps(journal.CopiedFileStamps);
    undo.QueueByPlan(*plan);
    undo.DeleteFiles();
    undo.RemoveFolders();
    undo.BuildReport();

    const std::map<std::string, FileStamp> stamps = std::move(journal.CopiedFileStamps);
    ForgetLastRun(journal);
    log.ClearOutcomes();
    journal.FailedUndoFiles = undo.FailedFiles();
    // What a stop left untried stays for the next Undo, unreported.
    journal.FailedUndoFiles.insert(journal.FailedUndoFiles.end(), undo.UntriedFiles().begin(),
                                   undo.UntriedFiles().end());
    journal.FailedUndoFolders = undo.UntriedFolders();
    // A file left because it changed must still be recognised as changed by the next Undo.
    for (const auto& file : journal.FailedUndoFiles) {
        const auto it = stamps.find(file);
        if (it != stamps.end()) journal.CopiedFileStamps.insert(*it);
    }
    for (const auto& folder : undo.FailedFolders()) {
        CountFailedUndo(tab, log);
        log.Refresh();
        journal.FailedUndoFolders.push_back(folder);
        ListFailedUndo(tab, log, folder);
    }
    // The last entries and counts are painted whatever the pacing.
    log.SetNote(UndoSummaryText(undo.Result()));
    log.Flush();
    if (hooks.end) hooks.end();

    if (!undo.Report().empty()) messenger.Show(undo.Report(), texts.reportTitle, kMsgWarning);
    if (log.Stopped()) {
        const OpMessage stopped = RunMessage(LogTabOf(tab), RunMessageId::UndoStopped);
        messenger.Show(stopped.text, stopped.title, stopped.flags);
    } else {
        messenger.Show(texts.endText, texts.endTitle, kMsgInformation);
    }
    FolderFileUndoResult result = undo.Result();
    result.ran = true;
    return result;
}

}  // namespace arbovane
