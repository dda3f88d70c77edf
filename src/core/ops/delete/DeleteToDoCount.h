#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/ops/delete/DeleteTabMode.h"
#include "core/ops/delete/MainFolderCheck.h"

namespace arbovane {

class FileSystem;
class Text;
class VisualLog;

// The to-delete counters of the Delete tab, with the measurement of every main folder kept, so
// that a refresh measures only what its inputs changed: nothing while the include lines, the mode
// and (in the file modes) the file selection are those of the last count; only the main folders
// that a change of the list added; every one again when the mode or the selection changed.
// What the disk holds is read when a folder is measured; a run measures everything afresh.
class DeleteToDoCount {
public:
    // Before each main folder that is measured: how many are done, how many there are. While the
    // lines are still being checked, before any is measured, total is 0 and done counts them.
    using Progress = std::function<void(std::size_t done, std::size_t total)>;

    // Both ports must outlive the object.
    DeleteToDoCount(FileSystem& fs, const Text& text) : fs_(fs), text_(text) {}

    // Counts and shows the counters unless the inputs are those of the last count; true when it
    // counted.
    bool Refresh(VisualLog& log, const std::vector<std::string>& includeLines, DeleteTabMode mode,
                 const std::vector<std::string>& patterns, const Progress& progress = {});
    // Measures every main folder again and shows the counters.
    void Recount(VisualLog& log, const std::vector<std::string>& includeLines, DeleteTabMode mode,
                 const std::vector<std::string>& patterns, const Progress& progress = {});
    // The disk changed under the measurements kept: the next refresh measures every main folder.
    void Forget();

    std::uint64_t Folders() const { return folders_; }
    std::uint64_t Files() const { return files_; }

private:
    // The measurement of one main folder, and the count that last found it in its work list.
    struct Tally {
        const std::string* folder = nullptr;
        std::uint64_t folders = 0;
        std::uint64_t files = 0;
        std::uint64_t generation = 0;
    };
    struct Verdict {
        MainFolderVerdict verdict = MainFolderVerdict::Ready;
        std::uint64_t generation = 0;
    };

    bool Count(VisualLog& log, const std::vector<std::string>& includeLines, DeleteTabMode mode,
               const std::vector<std::string>& patterns, bool measureAll, const Progress& progress);
    void Show(VisualLog& log) const;
    MainFolderVerdict VerdictOf(const std::string& line);
    // Folders and files to delete in one main folder.
    std::pair<std::uint64_t, std::uint64_t> Measure(const std::string& folder, DeleteTabMode mode,
                                                    const std::vector<std::string>& selected);

    FileSystem& fs_;
    const Text& text_;
    bool counted_ = false;
    std::vector<std::string> lines_;
    DeleteTabMode mode_ = DeleteTabMode::SubfoldersOnly;
    // Empty in the structure modes, which delete every file whatever is selected.
    std::vector<std::string> patterns_;
    std::unordered_map<std::string, Verdict> verdicts_;
    std::unordered_map<std::string, Tally> measured_;
    // The progress of the count under way, told of every line checked.
    const Progress* progress_ = nullptr;
    std::size_t checked_ = 0;
    std::uint64_t generation_ = 0;
    std::uint64_t folders_ = 0;
    std::uint64_t files_ = 0;
};

}  // namespace arbovane
