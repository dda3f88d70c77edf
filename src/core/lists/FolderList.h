#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace arbovane {

class FileSystem;
class Text;

// The lines of one list box. A line is held when the list has the same text without regard to
// letter case (the list box's exact-string search); a list of folders asks the file system that
// acts on them instead, so that on a volume that tells data from Data both stay. The lookup goes
// through a table of the lower-cased lines' hashes, so that lists of a million folders stay fast
// and small: no line is kept twice, and only a line whose hash matches is compared. A sorted list
// keeps its lines in ascending order, letter case ignored, each new line after the ones that
// compare equal.
class FolderList {
public:
    // Whether a line may enter the list at all.
    using Accept = std::function<bool(const std::string&)>;
    // After each line a move took, and after each line that left the source, with the count the
    // source then shows.
    using Step = std::function<void(std::size_t sourceCount)>;

    // Lines that are texts: the same ignoring letter case.
    explicit FolderList(const Text& text, bool sorted = false);
    // Lines that name entries: the same where entries says they name one entry.
    FolderList(const Text& text, FileSystem& entries, bool sorted = false);

    bool Sorted() const { return sorted_; }
    std::size_t Size() const { return lines_.size(); }
    bool Empty() const { return lines_.empty(); }
    bool Holds(const std::string& line) const;
    // Grows with every change of the lines, so a view can tell whether it must show them again.
    std::uint64_t Revision() const { return revision_; }

    // Adds the line unless the list holds it; true when it was added.
    bool Add(std::string line);
    // Adds the line unless this list or other holds it; true when it was added.
    bool AddUnlessIn(std::string line, const FolderList& other);
    // Adds every line the list does not hold yet, in order.
    void AddAll(const std::vector<std::string>& lines);
    void Clear();
    // Removes the lines at the given positions; positions may come in any order, repeated or out of
    // range ones are ignored.
    void RemoveAt(const std::vector<std::size_t>& positions);

    // Every line of source goes to the end of this list unless this list holds it or accept
    // refuses it; source is left empty. Each line is looked up once.
    void TakeAll(FolderList& source, const Accept& accept);
    // The same for the lines at the given positions of source (sorted, once each, in range); all
    // of them leave source.
    void TakeAt(FolderList& source, const std::vector<std::size_t>& positions, const Accept& accept,
                const Step& step);
    // The two lists change their lines; an item that stood in both stays in this list only.
    void Exchange(FolderList& other);

    const std::vector<std::string>& Lines() const;
    const std::string& At(std::size_t position) const { return Lines()[position]; }
    // The lines, handed over whole; the list is left empty.
    std::vector<std::string> TakeLines();

private:
    static constexpr std::size_t kNotHeld = static_cast<std::size_t>(-1);

    std::string Key(const std::string& line) const;
    static std::uint64_t HashOf(const std::string& key);
    // The position of the line held for line (key and hash are its own), or kNotHeld.
    std::size_t Find(const std::string& line, const std::string& key, std::uint64_t hash) const;
    // Whether some line has this hash; its key may still differ.
    bool MayHold(std::uint64_t hash) const;
    void Append(std::string line, std::uint64_t hash);
    void Place(std::size_t position) const;
    // The table made anew from the hashes, after lines moved or left.
    void Reindex() const;
    // Keeps the lines whose flag is false, in order.
    void Compact(const std::vector<bool>& leaving);
    // A sorted list takes new lines at its end and orders them on the next read, so a long run of
    // additions costs one sort instead of a shift per line.
    void Order() const;
    void Changed() { ++revision_; }

    const Text& text_;
    FileSystem* entries_ = nullptr;
    bool sorted_;
    mutable std::vector<std::string> lines_;
    // The hash of each line's key, position for position.
    mutable std::vector<std::uint64_t> hashes_;
    // Open addressing over the hashes: position + 1, 0 for a free slot; at most half full.
    mutable std::vector<std::uint32_t> table_;
    mutable std::size_t orderedCount_ = 0;
    std::uint64_t revision_ = 0;
};

}  // namespace arbovane
