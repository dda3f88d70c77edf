#include "core/ops/delete/DeleteToDoCount.h"

#include "core/ops/delete/DeleteActions.h"
#include "core/ops/delete/DeleteWalk.h"
#include "core/visuallog/VisualLog.h"

namespace arbovane {

bool DeleteToDoCount::Refresh(VisualLog& log, const std::vector<std::string>& includeLines,
                              DeleteTabMode mode, const std::vector<std::string>& patterns,
                              const Progress& progress) {
    return Count(log, includeLines, mode, patterns, false, progress);
}

void DeleteToDoCount::Recount(VisualLog& log, const std::vector<std::string>& includeLines,
                              DeleteTabMode mode, const std::vector<std::string>& patterns,
                              const Progress& progress) {
    Count(log, includeLines, mode, patterns, true, progress);
}

void DeleteToDoCount::Forget() {
    counted_ = false;
    lines_.clear();
    verdicts_.clear();
    measured_.clear();
}

MainFolderVerdict DeleteToDoCount::VerdictOf(const std::string& line) {
    const auto [entry, added] = verdicts_.try_emplace(line);
    if (added) {
        if (progress_ && *progress_) (*progress_)(checked_++, 0);
        entry->second.verdict = CheckMainFolder(fs_, line);
    }
    entry->second.generation = generation_;
    return entry->second.verdict;
}

std::pair<std::uint64_t, std::uint64_t> DeleteToDoCount::Measure(
    const std::string& folder, DeleteTabMode mode, const std::vector<std::string>& selected) {
    // The run's own walk counts, so a link, an unreadable folder or an odd name is decided the
    // way the run decides it.
    CountingDeleteActions counting;
    DeleteWalk walk(fs_, counting);
    AS_MULTIMAP_NIVO_FOLDER_NAMES walkQueue, removalList;
    walk.StartPatterns(selected.size());
    switch (mode) {
        case DeleteTabMode::FilesInMainFolder:
            for (const std::string& pattern : selected) walk.FilesIn(folder, pattern);
            break;
        case DeleteTabMode::FilesInTree:
            for (const std::string& pattern : selected)
                walk.FilesInTree(folder, pattern, walkQueue);
            break;
        case DeleteTabMode::Complete:
        case DeleteTabMode::SubfoldersOnly:
            walk.Structure(folder, mode == DeleteTabMode::Complete, walkQueue, removalList);
            break;
    }
    return {counting.Folders(), counting.Files()};
}

bool DeleteToDoCount::Count(VisualLog& log, const std::vector<std::string>& includeLines,
                            DeleteTabMode mode, const std::vector<std::string>& patterns,
                            bool measureAll, const Progress& progress) {
    const std::vector<std::string> selected = EffectivePatterns(patterns);
    std::vector<std::string> counted;
    if (IsFileMode(mode)) counted = selected;
    const bool sameWay = counted_ && mode == mode_ && counted == patterns_;
    if (!measureAll && sameWay && includeLines == lines_) {
        // Whatever zeroed the counters meanwhile, they show the count again.
        if (log.Counter(Vol07Counter::FoldersToDelete) != static_cast<double>(folders_) ||
            log.Counter(Vol07Counter::FilesToDelete) != static_cast<double>(files_))
            Show(log);
        return false;
    }
    if (measureAll || !sameWay) {
        verdicts_.clear();
        measured_.clear();
    }

    ++generation_;
    progress_ = &progress;
    checked_ = 0;
    const std::vector<std::string> work =
        DeleteWorkList(fs_, text_, includeLines, mode,
                       [this](const std::string& line) { return VerdictOf(line); });
    // A drive root would be walked whole on every list change, and the run refuses it anyway.
    std::vector<Tally*> fresh;
    for (const std::string& folder : work) {
        if (VerdictOf(folder) != MainFolderVerdict::Ready) continue;
        const auto [entry, added] = measured_.try_emplace(folder);
        entry->second.generation = generation_;
        if (added) {
            entry->second.folder = &entry->first;
            fresh.push_back(&entry->second);
        }
    }
    for (std::size_t done = 0; done < fresh.size(); ++done) {
        if (progress) progress(done, fresh.size());
        Tally& tally = *fresh[done];
        const auto [folders, files] = Measure(*tally.folder, mode, selected);
        tally.folders = folders;
        tally.files = files;
    }
    // What left the work list goes, and so do the verdicts of lines no longer asked about: a line
    // that comes back is probed and measured afresh.
    folders_ = files_ = 0;
    for (auto it = measured_.begin(); it != measured_.end();) {
        if (it->second.generation != generation_) {
            it = measured_.erase(it);
            continue;
        }
        folders_ += it->second.folders;
        files_ += it->second.files;
        ++it;
    }
    std::erase_if(verdicts_,
                  [this](const auto& entry) { return entry.second.generation != generation_; });

    lines_ = includeLines;
    mode_ = mode;
    patterns_ = std::move(counted);
    counted_ = true;
    progress_ = nullptr;
    Show(log);
    return true;
}

void DeleteToDoCount::Show(VisualLog& log) const {
    log.Set(Vol07Counter::FoldersToDelete, static_cast<double>(folders_));
    log.Set(Vol07Counter::FilesToDelete, static_cast<double>(files_));
    log.Flush();
}

}  // namespace arbovane
