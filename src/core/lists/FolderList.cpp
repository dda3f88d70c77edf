#include "core/lists/FolderList.h"

#include <algorithm>

#include "platform/Text.h"

namespace arbovane {

FolderList::FolderList(const Text& text, bool sorted) : text_(text), sorted_(sorted) {}

std::string FolderList::Key(const std::string& line) const {
    return text_.LowerCase(line);
}

bool FolderList::Holds(const std::string& line) const {
    return index_.count(Key(line)) > 0;
}

bool FolderList::Add(const std::string& line) {
    if (!index_.insert(Key(line)).second) return false;
    lines_.push_back(line);
    if (!sorted_) orderedCount_ = lines_.size();
    return true;
}

void FolderList::AddAll(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) Add(line);
}

void FolderList::Clear() {
    lines_.clear();
    index_.clear();
    orderedCount_ = 0;
}

void FolderList::RemoveAt(const std::vector<std::size_t>& positions) {
    Order();
    std::vector<bool> removed(lines_.size(), false);
    for (const std::size_t position : positions)
        if (position < lines_.size()) removed[position] = true;
    // One compaction pass: removing scattered lines one by one would shift the rest each time.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (removed[i]) {
            index_.erase(Key(lines_[i]));
            continue;
        }
        if (kept != i) lines_[kept] = std::move(lines_[i]);
        ++kept;
    }
    lines_.resize(kept);
    orderedCount_ = kept;
}

const std::vector<std::string>& FolderList::Lines() const {
    Order();
    return lines_;
}

void FolderList::Order() const {
    if (orderedCount_ == lines_.size()) return;
    const auto less = [this](const std::string& a, const std::string& b) {
        return text_.CompareNoCase(a, b) < 0;
    };
    const auto middle = lines_.begin() + static_cast<std::ptrdiff_t>(orderedCount_);
    // Stable sort and merge give the order of inserting each line after its equals, one by one.
    std::stable_sort(middle, lines_.end(), less);
    std::inplace_merge(lines_.begin(), middle, lines_.end(), less);
    orderedCount_ = lines_.size();
}

}  // namespace arbovane
