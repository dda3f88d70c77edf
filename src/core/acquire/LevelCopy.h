#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace arbovane {

class FileSystem;
class Text;

// Lists the subfolders of one or more root folders by their level below the root (the root's own
// subfolders are level 1), breadth first, in the order the file system delivers them.
class LevelCopy {
public:
    enum LevelMode : int { kNoLevelMode = 0, kFromTo = 1, kAbove = 2, kBelow = 3 };
    enum ListMode : int { kLastOnly = 1, kAllInPath = 2 };

    // Both ports must outlive the object.
    LevelCopy(FileSystem& fs, const Text& text, std::vector<std::string> roots);

    void SetFromTo(std::int32_t from, std::int32_t to);
    void SetAbove(std::int32_t n);
    void SetBelow(std::int32_t n);
    // Any value other than kAllInPath means kLastOnly.
    void SetListMode(int mode);
    // Lower-cased, one trailing backslash removed; empty lets every folder pass.
    void SetFilter(const std::string& text);

    // Walks every root in order and appends what it lists to the results. Without a level mode
    // nothing is walked. Links are never entered nor listed; a folder that cannot be enumerated
    // is not listed either. Each folder is enumerated at most once.
    void Walk();
    std::vector<std::string> Results() const { return results_; }

private:
    // What the level rules do with one folder.
    struct Decision {
        bool list = false;
        bool onlyIfLeaf = false;
        bool descend = false;
    };
    Decision Decide(std::int64_t level) const;
    bool PassesFilter(const std::string& name) const;
    void WalkRoot(const std::string& root);

    FileSystem& fs_;
    const Text& text_;
    std::vector<std::string> roots_;
    LevelMode levelMode_ = kNoLevelMode;
    std::int32_t from_ = 0;
    std::int32_t to_ = 0;
    std::int32_t above_ = 0;
    std::int32_t below_ = 0;
    ListMode listMode_ = kLastOnly;
    std::string filter_;
    std::vector<std::string> results_;
};

}  // namespace arbovane
