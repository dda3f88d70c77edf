#include "core/lists/FolderList.h"

#include <algorithm>
#include <utility>

#include "platform/Text.h"

namespace arbovane {

FolderList::FolderList(const Text& text, bool sorted) : text_(text), sorted_(sorted) {}

std::string FolderList::Key(const std::string& line) const {
    return text_.LowerCase(line);
}

bool FolderList::Holds(const std::string& line) const {
    return index_.count(Key(line)) > 0;
}

bool FolderList::AddKeyed(std::string line, std::string key) {
    if (!index_.insert(std::move(key)).second) return false;
    lines_.push_back(std::move(line));
    if (!sorted_) orderedCount_ = lines_.size();
    Changed();
    return true;
}

bool FolderList::Add(std::string line) {
    std::string key = Key(line);
    return AddKeyed(std::move(line), std::move(key));
}

bool FolderList::AddUnlessIn(std::string line, const FolderList& other) {
    std::string key = Key(line);
    if (other.index_.count(key) > 0) return false;
    return AddKeyed(std::move(line), std::move(key));
}

void FolderList::AddAll(const std::vector<std::string>& lines) {
    index_.reserve(index_.size() + lines.size());
    lines_.reserve(lines_.size() + lines.size());
    for (const std::string& line : lines) Add(line);
}

void FolderList::Clear() {
    if (lines_.empty()) return;
    // Swapped out, not cleared: a long list gives its memory back.
    std::vector<std::string>().swap(lines_);
    std::unordered_set<std::string>().swap(index_);
    orderedCount_ = 0;
    Changed();
}

void FolderList::RemoveAt(const std::vector<std::size_t>& positions) {
    Order();
    std::vector<bool> removed(lines_.size(), false);
    bool any = false;
    for (const std::size_t position : positions) {
        if (position >= lines_.size()) continue;
        removed[position] = true;
        any = true;
    }
    if (!any) return;
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
    Changed();
}

void FolderList::TakeAll(FolderList& source, const Accept& accept) {
    if (source.lines_.empty()) return;
    source.Order();
    if (lines_.empty() && sorted_ == source.sorted_) {
        // Nothing here to collide with: the lines and their index move over whole, and only the
        // lines accept refuses are looked up.
        std::swap(lines_, source.lines_);
        std::swap(index_, source.index_);
        orderedCount_ = lines_.size();
        if (accept) {
            std::size_t kept = 0;
            for (std::size_t i = 0; i < lines_.size(); ++i) {
                if (!accept(lines_[i])) {
                    index_.erase(Key(lines_[i]));
                    continue;
                }
                if (kept != i) lines_[kept] = std::move(lines_[i]);
                ++kept;
            }
            lines_.resize(kept);
            orderedCount_ = kept;
        }
        if (!lines_.empty()) Changed();
    } else {
        for (std::string& line : source.lines_)
            if (!accept || accept(line)) Add(std::move(line));
    }
    std::vector<std::string>().swap(source.lines_);
    std::unordered_set<std::string>().swap(source.index_);
    source.orderedCount_ = 0;
    source.Changed();
}

void FolderList::TakeAt(FolderList& source, const std::vector<std::size_t>& positions,
                        const Accept& accept, const Step& step) {
    if (positions.empty()) return;
    source.Order();
    std::size_t sourceCount = source.lines_.size();
    std::vector<bool> leaving(sourceCount, false);
    for (const std::size_t position : positions) {
        std::string& line = source.lines_[position];
        leaving[position] = true;
        std::string key = Key(line);
        // The source's index goes by the same key, so the line is lowered once for both.
        source.index_.erase(key);
        if (index_.count(key) == 0 && (!accept || accept(line))) {
            AddKeyed(std::move(line), std::move(key));
            if (step) step(sourceCount);
        }
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < source.lines_.size(); ++i) {
        if (leaving[i]) {
            if (step) step(--sourceCount);
            continue;
        }
        if (kept != i) source.lines_[kept] = std::move(source.lines_[i]);
        ++kept;
    }
    source.lines_.resize(kept);
    source.orderedCount_ = kept;
    source.Changed();
}

void FolderList::Exchange(FolderList& other) {
    if (lines_.empty() && other.lines_.empty()) return;
    Order();
    other.Order();
    std::swap(lines_, other.lines_);
    std::swap(index_, other.index_);
    std::swap(orderedCount_, other.orderedCount_);
    Changed();
    other.Changed();
    // The keys both hold are found from the smaller index; only then are other's lines lowered.
    const auto& smaller = index_.size() < other.index_.size() ? index_ : other.index_;
    const auto& larger = &smaller == &index_ ? other.index_ : index_;
    std::unordered_set<std::string> common;
    for (const std::string& key : smaller)
        if (larger.count(key) > 0) common.insert(key);
    if (common.empty()) return;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < other.lines_.size(); ++i) {
        std::string key = Key(other.lines_[i]);
        if (common.count(key) > 0) {
            other.index_.erase(key);
            continue;
        }
        if (kept != i) other.lines_[kept] = std::move(other.lines_[i]);
        ++kept;
    }
    other.lines_.resize(kept);
    other.orderedCount_ = kept;
}

std::vector<std::string> FolderList::TakeLines() {
    Order();
    std::vector<std::string> lines;
    lines.swap(lines_);
    std::unordered_set<std::string>().swap(index_);
    orderedCount_ = 0;
    Changed();
    return lines;
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
