#pragma once

#include <cstddef>
#include <string>
#include <unordered_set>
#include <vector>

namespace arbovane {

class Text;

// The lines of one list box. A line is held when the list has the same text without regard to
// letter case (the list box's exact-string search); the lookup goes through an index of the
// lower-cased lines so that lists of a hundred thousand folders stay fast. A sorted list keeps its
// lines in ascending order, letter case ignored, each new line after the ones that compare equal.
class FolderList {
public:
    explicit FolderList(const Text& text, bool sorted = false);

    bool Sorted() const { return sorted_; }
    std::size_t Size() const { return lines_.size(); }
    bool Empty() const { return lines_.empty(); }
    bool Holds(const std::string& line) const;

    // Adds the line unless the list holds it; true when it was added.
    bool Add(const std::string& line);
    // Adds every line the list does not hold yet, in order.
    void AddAll(const std::vector<std::string>& lines);
    void Clear();
    // Removes the lines at the given positions; positions may come in any order, repeated or out of
    // range ones are ignored.
    void RemoveAt(const std::vector<std::size_t>& positions);

    const std::vector<std::string>& Lines() const;
    const std::string& At(std::size_t position) const { return Lines()[position]; }

private:
    std::string Key(const std::string& line) const;
    // A sorted list takes new lines at its end and orders them on the next read, so a long run of
    // additions costs one sort instead of a shift per line.
    void Order() const;

    const Text& text_;
    bool sorted_;
    mutable std::vector<std::string> lines_;
    mutable std::size_t orderedCount_ = 0;
    std::unordered_set<std::string> index_;
};

}  // namespace arbovane
