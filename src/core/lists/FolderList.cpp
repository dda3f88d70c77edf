#include "core/lists/FolderList.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace arbovane {

FolderList::FolderList(const Text& text, bool sorted) : text_(text), sorted_(sorted) {}

FolderList::FolderList(const Text& text, FileSystem& entries, bool sorted)
    : text_(text), entries_(&entries), sorted_(sorted) {}

std::string FolderList::Key(const std::string& line) const {
    return text_.LowerCase(line);
}

std::uint64_t FolderList::HashOf(const std::string& key) {
    return std::hash<std::string>{}(key);
}

bool FolderList::MayHold(std::uint64_t hash) const {
    if (table_.empty()) return false;
    const std::size_t mask = table_.size() - 1;
    for (std::size_t slot = hash & mask; table_[slot] != 0; slot = (slot + 1) & mask)
        if (hashes_[table_[slot] - 1] == hash) return true;
    return false;
}

std::size_t FolderList::Find(const std::string& line, const std::string& key,
                             std::uint64_t hash) const {
    if (table_.empty()) return kNotHeld;
    const std::size_t mask = table_.size() - 1;
    for (std::size_t slot = hash & mask; table_[slot] != 0; slot = (slot + 1) & mask) {
        const std::size_t position = table_[slot] - 1;
        if (hashes_[position] != hash) continue;
        const std::string& held = lines_[position];
        if (held == line) return position;
        // Another letter case: one line where the lines name one entry.
        if (Key(held) == key && (!entries_ || entries_->SameEntry(held, line))) return position;
    }
    return kNotHeld;
}

void FolderList::Place(std::size_t position) const {
    const std::size_t mask = table_.size() - 1;
    std::size_t slot = hashes_[position] & mask;
    while (table_[slot] != 0) slot = (slot + 1) & mask;
    table_[slot] = static_cast<std::uint32_t>(position + 1);
}

void FolderList::Reindex() const {
    std::size_t size = 16;
    while (size < 2 * lines_.size()) size *= 2;
    table_.assign(lines_.empty() ? 0 : size, 0);
    for (std::size_t position = 0; position < lines_.size(); ++position) Place(position);
}

void FolderList::Append(std::string line, std::uint64_t hash) {
    lines_.push_back(std::move(line));
    hashes_.push_back(hash);
    if (2 * lines_.size() > table_.size())
        Reindex();
    else
        Place(lines_.size() - 1);
    if (!sorted_) orderedCount_ = lines_.size();
    Changed();
}

bool FolderList::Holds(const std::string& line) const {
    const std::string key = Key(line);
    return Find(line, key, HashOf(key)) != kNotHeld;
}

bool FolderList::Add(std::string line) {
    const std::string key = Key(line);
    const std::uint64_t hash = HashOf(key);
    if (Find(line, key, hash) != kNotHeld) return false;
    Append(std::move(line), hash);
    return true;
}

bool FolderList::AddUnlessIn(std::string line, const FolderList& other) {
    const std::string key = Key(line);
    const std::uint64_t hash = HashOf(key);
    if (other.Find(line, key, hash) != kNotHeld || Find(line, key, hash) != kNotHeld) return false;
    Append(std::move(line), hash);
    return true;
}

void FolderList::AddAll(const std::vector<std::string>& lines) {
    lines_.reserve(lines_.size() + lines.size());
    hashes_.reserve(hashes_.size() + lines.size());
    for (const std::string& line : lines) Add(line);
}

void FolderList::Clear() {
    if (lines_.empty()) return;
    // Swapped out, not cleared: a long list gives its memory back.
    std::vector<std::string>().swap(lines_);
    std::vector<std::uint64_t>().swap(hashes_);
    std::vector<std::uint32_t>().swap(table_);
    orderedCount_ = 0;
    Changed();
}

void FolderList::Compact(const std::vector<bool>& leaving) {
    // One pass: removing scattered lines one by one would shift the rest each time.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (leaving[i]) continue;
        if (kept != i) {
            lines_[kept] = std::move(lines_[i]);
            hashes_[kept] = hashes_[i];
        }
        ++kept;
    }
    lines_.resize(kept);
    hashes_.resize(kept);
    orderedCount_ = kept;
    Reindex();
    Changed();
}

void FolderList::RemoveAt(const std::vector<std::size_t>& positions) {
    Order();
    std::vector<bool> leaving(lines_.size(), false);
    bool any = false;
    for (const std::size_t position : positions) {
        if (position >= lines_.size()) continue;
        leaving[position] = true;
        any = true;
    }
    if (any) Compact(leaving);
}

void FolderList::TakeAll(FolderList& source, const Accept& accept) {
    if (source.lines_.empty()) return;
    source.Order();
    if (lines_.empty() && sorted_ == source.sorted_) {
        // Nothing here to collide with: the lines and their table move over whole, and only the
        // lines accept refuses are let go.
        std::swap(lines_, source.lines_);
        std::swap(hashes_, source.hashes_);
        std::swap(table_, source.table_);
        orderedCount_ = lines_.size();
        std::vector<bool> refused(lines_.size(), false);
        bool any = false;
        if (accept) {
            for (std::size_t i = 0; i < lines_.size(); ++i)
                if (!accept(lines_[i])) refused[i] = any = true;
        }
        if (any)
            Compact(refused);
        else
            Changed();
    } else {
        for (std::size_t i = 0; i < source.lines_.size(); ++i) {
            std::string& line = source.lines_[i];
            if (accept && !accept(line)) continue;
            // The source's hash is the one of the same key.
            const std::uint64_t hash = source.hashes_[i];
            if (!MayHold(hash) || Find(line, Key(line), hash) == kNotHeld)
                Append(std::move(line), hash);
        }
    }
    std::vector<std::string>().swap(source.lines_);
    std::vector<std::uint64_t>().swap(source.hashes_);
    std::vector<std::uint32_t>().swap(source.table_);
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
        leaving[position] = true;
        std::string& line = source.lines_[position];
        const std::uint64_t hash = source.hashes_[position];
        // Only a line whose hash is here already needs lowering to be compared.
        if (MayHold(hash) && Find(line, Key(line), hash) != kNotHeld) continue;
        if (accept && !accept(line)) continue;
        Append(std::move(line), hash);
        if (step) step(sourceCount);
    }
    if (step)
        for (std::size_t i = 0; i < positions.size(); ++i) step(--sourceCount);
    source.Compact(leaving);
}

void FolderList::Exchange(FolderList& other) {
    if (lines_.empty() && other.lines_.empty()) return;
    Order();
    other.Order();
    std::swap(lines_, other.lines_);
    std::swap(hashes_, other.hashes_);
    std::swap(table_, other.table_);
    std::swap(orderedCount_, other.orderedCount_);
    Changed();
    other.Changed();
    // The lines both hold: only those whose hash is in both lists are lowered and compared.
    std::vector<bool> common(other.lines_.size(), false);
    bool any = false;
    for (std::size_t i = 0; i < other.lines_.size(); ++i) {
        const std::uint64_t hash = other.hashes_[i];
        const std::string& line = other.lines_[i];
        if (MayHold(hash) && Find(line, Key(line), hash) != kNotHeld) common[i] = any = true;
    }
    if (any) other.Compact(common);
}

std::vector<std::string> FolderList::TakeLines() {
    Order();
    std::vector<std::string> lines;
    lines.swap(lines_);
    std::vector<std::uint64_t>().swap(hashes_);
    std::vector<std::uint32_t>().swap(table_);
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
    const auto less = [this](std::size_t a, std::size_t b) {
        return text_.CompareNoCase(lines_[a], lines_[b]) < 0;
    };
    // The positions are ordered, then lines and hashes follow them together.
    std::vector<std::size_t> order(lines_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto middle = order.begin() + static_cast<std::ptrdiff_t>(orderedCount_);
    // Stable sort and merge give the order of inserting each line after its equals, one by one.
    std::stable_sort(middle, order.end(), less);
    std::inplace_merge(order.begin(), middle, order.end(), less);
    std::vector<std::string> lines;
    std::vector<std::uint64_t> hashes;
    lines.reserve(lines_.size());
    hashes.reserve(hashes_.size());
    for (const std::size_t position : order) {
        lines.push_back(std::move(lines_[position]));
        hashes.push_back(hashes_[position]);
    }
    lines_ = std::move(lines);
    hashes_ = std::move(hashes);
    orderedCount_ = lines_.size();
    Reindex();
}

}  // namespace arbovane
