#include "core/acquire/MarkLists.h"

#include <algorithm>

#include "core/paths/BlankTrim.h"
#include "core/paths/PathText.h"
#include "platform/Text.h"

namespace arbovane {

namespace {

const char* const kLimitReachedText = "The limit is 30000";
const char* const kFieldEmptyText =
    "The text field is empty !\nAction : You must enter some text to add to the Include List.";
const char* const kInIncludeText = "This item is already exist in the Include list !";
const char* const kInExcludeText = "This item is already exist in the Exclude list !";
const char* const kDeleteSelectedText =
    "Do you want to delete selected delimiter(s) from the Exclude list ?";
const char* const kRemoveAllText =
    "Do you want to remove (delete) all delimiter(s) from the Exclude list ?";
const char* const kTitleGap = "            Warning no: ";

struct KindTexts {
    const char* titleWord;          // 0121 to 0124
    const char* managingTitleWord;  // 0125 to 0129
    const char* selectedLimitText;  // 0125
    const char* limitText;          // 0126, 0127
};

const KindTexts& TextsOf(MarkKind kind) {
    static const KindTexts delimiters{"Delimiters.", "Managing Delimiters.",
                                      "The Limit is 30,000 Delimiters",
                                      "The limit is 30,000 Delimiters"};
    static const KindTexts quotationMarks{"QuotationMarks.", "Managing QuotationMarks.",
                                          "The Limit is 30,000 QuotationMarks",
                                          "The limit is 30,000 QuotationMarks"};
    return kind == MarkKind::Delimiters ? delimiters : quotationMarks;
}

std::vector<std::size_t> SortedUnique(std::vector<std::size_t> positions, std::size_t size) {
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    positions.erase(std::lower_bound(positions.begin(), positions.end(), size), positions.end());
    return positions;
}

}  // namespace

const std::vector<std::string>& MarkLists::BuiltInMarksOf(MarkKind kind) {
    static const std::vector<std::string> delimiters = {
        ",", ";", "space", "\"", "'", "|", "~", ":", "#", "&", "@", "$", "<", ">", ".", "-", "_"};
    static const std::vector<std::string> quotationMarks = {
        ",", ";", "space", "\",", "'", "|", "~", ":", "#", "&", "@", "$", "<", ">", ".", "-", "_"};
    return kind == MarkKind::Delimiters ? delimiters : quotationMarks;
}

MarkLists::MarkLists(MarkKind kind, const Text& text) : kind_(kind), text_(text) {
    for (const std::string& mark : BuiltInMarksOf(kind))
        builtIn_.push_back(TrimBlanksAndControls(LowerCase(text_, mark)));
}

void MarkLists::Activate(const std::vector<std::string>& stored) {
    if (stored.empty()) {
        working_.clear();
        for (const std::string& mark : builtIn_)
            working_.push_back(TrimBlanksAndControls(LowerCase(text_, mark)));
    } else {
        working_ = stored;
    }
    for (const std::string& mark : working_) {
        // The included list never grows past its capacity, whatever a file holds.
        if (included_.lines.size() >= kLimit) break;
        if (!Holds(included_, mark)) Append(included_, mark);
    }
}

void MarkLists::MoveSelectedToExcluded(const std::vector<std::size_t>& selected) {
    MoveSelected(included_, excluded_, selected);
}

std::optional<ListMessage> MarkLists::MoveSelectedToIncluded(
    const std::vector<std::size_t>& selected) {
    const auto positions = SortedUnique(selected, excluded_.lines.size());
    if (included_.lines.size() + positions.size() > kLimit)
        return Message("0125", TextsOf(kind_).selectedLimitText, true);
    MoveSelected(excluded_, included_, positions);
    return std::nullopt;
}

void MarkLists::MoveAllToExcluded() {
    MoveAll(included_, excluded_);
}

std::optional<ListMessage> MarkLists::MoveAllToIncluded() {
    if (included_.lines.size() + CountMissing(excluded_, included_) > kLimit)
        return Message("0126", TextsOf(kind_).limitText, true);
    MoveAll(excluded_, included_);
    return std::nullopt;
}

std::optional<ListMessage> MarkLists::ExchangeLists() {
    const auto refusal = Message("0127", TextsOf(kind_).limitText, true);
    if (excluded_.lines.size() > kLimit) return refusal;
    // Marks with a drive part stay in their own list; every other mark changes sides.
    Side included;
    Side excluded;
    for (const std::string& mark : included_.lines)
        if (!Movable(mark)) Append(included, mark);
    for (const std::string& mark : excluded_.lines)
        if (!Movable(mark)) Append(excluded, mark);
    for (const std::string& mark : excluded_.lines)
        if (Movable(mark) && !Holds(included, mark)) Append(included, mark);
    if (included.lines.size() > kLimit) return refusal;
    for (const std::string& mark : included_.lines)
        if (Movable(mark) && !Holds(excluded, mark)) Append(excluded, mark);
    included_ = std::move(included);
    excluded_ = std::move(excluded);
    return std::nullopt;
}

std::optional<ListMessage> MarkLists::Add(std::string& fieldText) {
    if (included_.lines.size() >= kLimit) return Message("0121", kLimitReachedText, false);
    const std::string mark = TrimBlanksAndControls(fieldText);
    if (mark.empty()) return Message("0122", kFieldEmptyText, false);
    // The look-ups take the text as typed, so a padded copy of a mark is not found.
    if (Holds(included_, fieldText)) return Message("0123", kInIncludeText, false);
    if (Holds(excluded_, fieldText)) return Message("0124", kInExcludeText, false);
    Append(included_, mark);
    fieldText = mark;
    return std::nullopt;
}

ListMessage MarkLists::DeleteSelectedQuestion() const {
    return Message("0128", kDeleteSelectedText, true, kMsgQuestion);
}

void MarkLists::DeleteSelectedExcluded(const std::vector<std::size_t>& selected) {
    RemoveAt(excluded_, selected);
}

ListMessage MarkLists::RemoveAllQuestion() const {
    return Message("0129", kRemoveAllText, true, kMsgQuestion);
}

void MarkLists::RemoveAllExcluded() {
    excluded_ = Side{};
}

void MarkLists::SetDefaults() {
    included_ = Side{};
    excluded_ = Side{};
    for (const std::string& mark : builtIn_)
        if (!Holds(included_, mark)) Append(included_, mark);
}

bool MarkLists::Holds(const Side& side, const std::string& mark) const {
    return side.keys.find(Key(mark)) != side.keys.end();
}

void MarkLists::Append(Side& side, const std::string& mark) {
    side.lines.push_back(mark);
    ++side.keys[Key(mark)];
}

void MarkLists::RemoveAt(Side& side, const std::vector<std::size_t>& positions) {
    const auto sorted = SortedUnique(positions, side.lines.size());
    std::size_t next = 0;
    std::size_t position = 0;
    RemoveUnless(side, [&](const std::string&) {
        const bool removed = next < sorted.size() && sorted[next] == position;
        if (removed) ++next;
        ++position;
        return !removed;
    });
}

template <typename Keep>
void MarkLists::RemoveUnless(Side& side, Keep keep) {
    std::vector<std::string> kept;
    kept.reserve(side.lines.size());
    for (std::string& line : side.lines) {
        if (keep(line)) {
            kept.push_back(std::move(line));
            continue;
        }
        const auto key = side.keys.find(Key(line));
        if (key != side.keys.end() && --key->second == 0) side.keys.erase(key);
    }
    side.lines = std::move(kept);
}

std::string MarkLists::Key(const std::string& mark) const {
    return LowerCase(text_, mark);
}

bool MarkLists::Movable(const std::string& mark) {
    return !HasDrive(TrimBlanksAndControls(mark));
}

void MarkLists::MoveSelected(Side& source, Side& target,
                             const std::vector<std::size_t>& positions) {
    const auto sorted = SortedUnique(positions, source.lines.size());
    std::vector<std::size_t> leaving;
    for (const std::size_t position : sorted) {
        const std::string& mark = source.lines[position];
        if (!Movable(mark)) continue;
        if (!Holds(target, mark)) Append(target, mark);
        leaving.push_back(position);
    }
    RemoveAt(source, leaving);
}

void MarkLists::MoveAll(Side& source, Side& target) {
    for (const std::string& mark : source.lines)
        if (Movable(mark) && !Holds(target, mark)) Append(target, mark);
    RemoveUnless(source, [](const std::string& mark) { return !Movable(mark); });
}

std::size_t MarkLists::CountMissing(const Side& source, const Side& target) const {
    std::unordered_map<std::string, std::size_t> counted;
    for (const std::string& mark : source.lines)
        if (Movable(mark) && !Holds(target, mark)) counted.emplace(Key(mark), 0);
    return counted.size();
}

ListMessage MarkLists::Message(const char* number, const std::string& text, bool managing,
                               int flags) const {
    const KindTexts& texts = TextsOf(kind_);
    const std::string title = std::string(managing ? texts.managingTitleWord : texts.titleWord) +
                              kTitleGap + number + ".";
    return ListMessage{number, text, title, flags};
}

}  // namespace arbovane
