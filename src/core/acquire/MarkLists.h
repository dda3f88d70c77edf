#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/lists/ListMessage.h"

namespace arbovane {

class Text;

// The two lists of marks the import offers: separators and quotation marks.
enum class MarkKind {
    Delimiters,
    QuotationMarks,
};

// The included and excluded lists of the separators or the quotation-marks window and every rule
// over them. Only the included list is ever stored; the excluded list parks marks for the run of
// the program. Operations that refuse return the box to show; the window shows it.
class MarkLists {
public:
    static constexpr std::size_t kLimit = 30000;

    MarkLists(MarkKind kind, const Text& text);

    MarkKind Kind() const { return kind_; }
    const std::vector<std::string>& Included() const { return included_.lines; }
    const std::vector<std::string>& Excluded() const { return excluded_.lines; }
    // The window's own 17 marks, lower-cased and trimmed.
    const std::vector<std::string>& BuiltInMarks() const { return builtIn_; }
    // The marks of the last activation: the stored list, or the built-in marks when it was empty.
    const std::vector<std::string>& WorkingMarks() const { return working_; }

    // Each showing: appends every working mark the included list does not hold yet, keeping what
    // both lists hold already.
    void Activate(const std::vector<std::string>& stored);

    // selected: positions in the source list, any order. A mark with a drive part never moves;
    // a mark the target holds already leaves its source without being added twice.
    void MoveSelectedToExcluded(const std::vector<std::size_t>& selected);
    std::optional<ListMessage> MoveSelectedToIncluded(const std::vector<std::size_t>& selected);
    void MoveAllToExcluded();
    std::optional<ListMessage> MoveAllToIncluded();
    std::optional<ListMessage> ExchangeLists();

    // fieldText: the edit box as typed; on success it becomes the trimmed mark, which the window
    // writes back into the box.
    std::optional<ListMessage> Add(std::string& fieldText);

    ListMessage DeleteSelectedQuestion() const;
    void DeleteSelectedExcluded(const std::vector<std::size_t>& selected);
    ListMessage RemoveAllQuestion() const;
    void RemoveAllExcluded();

    // Both lists emptied, then the built-in marks included, each once.
    void SetDefaults();

    // The 17 built-in marks of a window, as written in the program.
    static const std::vector<std::string>& BuiltInMarksOf(MarkKind kind);

private:
    // One list box: its lines in order (a padded mark may stand twice) and how many lines carry
    // each lower-cased text, so a look-up in a full list stays cheap.
    struct Side {
        std::vector<std::string> lines;
        std::unordered_map<std::string, std::size_t> keys;
    };

    bool Holds(const Side& side, const std::string& mark) const;
    void Append(Side& side, const std::string& mark);
    // Removes the lines at the given positions; repeated or out-of-range positions are ignored.
    void RemoveAt(Side& side, const std::vector<std::size_t>& positions);
    // Keeps only the lines for which keep is true.
    template <typename Keep>
    void RemoveUnless(Side& side, Keep keep);
    std::string Key(const std::string& mark) const;
    static bool Movable(const std::string& mark);
    // Moves the given positions of source to target: movable marks the target lacks are added in
    // list order, then every movable selected mark leaves the source.
    void MoveSelected(Side& source, Side& target, const std::vector<std::size_t>& positions);
    void MoveAll(Side& source, Side& target);
    std::size_t CountMissing(const Side& source, const Side& target) const;
    ListMessage Message(const char* number, const std::string& text, bool managing,
                        int flags = kMsgWarning) const;

    MarkKind kind_;
    const Text& text_;
    std::vector<std::string> builtIn_;
    std::vector<std::string> working_;
    Side included_;
    Side excluded_;
};

}  // namespace arbovane
