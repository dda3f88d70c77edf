#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/acquire/LevelCopy.h"
#include "core/lists/FolderList.h"
#include "core/lists/ListMessage.h"
#include "core/templates/FolderStructSize.h"

namespace arbovane {

class FileSystem;
class Text;

// Bounds of the level spin controls. A path within the 260-character limit reaches at most 128
// levels below a drive root, so a higher level can never match; typing one is still allowed.
inline constexpr int kBuilderLevelMinimum = 1;  // From, To, Above
inline constexpr int kBuilderBelowMinimum = 0;  // Below
inline constexpr int kBuilderLevelMaximum = 128;

// A level field's whole number: blanks around it, an optional sign, decimal digits, 32 bits.
bool ParseWholeNumber(const std::string& text, std::int32_t& value);
// Leaving the From or To field: a From that is no whole number becomes "1", then a To that is no
// whole number becomes the From value.
void FixFromToFields(std::string& from, std::string& to);

// The level and list settings of the builder as its fields hold them.
struct _tagBuilderLevels {
    LevelCopy::LevelMode mode = LevelCopy::kFromTo;
    std::string from = "1";
    std::string to = "3";
    std::string above = "1";
    std::string below = "0";
    bool lastOnly = false;
};

// What the builder shows of its source folder.
struct _tagSourceSummary {
    std::vector<_tagLevelSummaryRow> rows;
    std::string folders;
    std::string files;
    std::string fileSize;
    // The folder listings the measurement took: the source and every folder below it.
    std::uint64_t listings = 0;
};

// The builder's two lists and every operation of its window that works on data. Operations
// return the box to show; those that ask first come as a prompt and the action taken on Yes.
class ListBuilderRules {
public:
    // Called after each item of a long operation with the counter values to show.
    using Progress = std::function<void(std::size_t includeCount, std::size_t excludeCount)>;
    // Called after each folder listing of a walk with the listings so far.
    using WalkProgress = std::function<void(std::uint64_t listings)>;

    // Both ports must outlive the object.
    ListBuilderRules(FileSystem& fs, const Text& text);

    FolderList& Include() { return include_; }
    FolderList& Exclude() { return exclude_; }
    const FolderList& Include() const { return include_; }
    const FolderList& Exclude() const { return exclude_; }
    void SetProgress(Progress progress) { progress_ = std::move(progress); }
    // The walks of MeasureSource, Build and LevelSummary report through it.
    void SetWalkProgress(WalkProgress progress) { walkProgress_ = std::move(progress); }

    // The blank-source warning, or the measurement of the trimmed source in summary.
    std::optional<ListMessage> MeasureSource(const std::string& source,
                                             _tagSourceSummary& summary) const;
    // The history entry holding text (letter case ignored), or npos.
    std::size_t HistoryPosition(const std::vector<std::string>& history,
                                const std::string& text) const;
    // "View": the trimmed source in target, or the blank-source warning.
    std::optional<ListMessage> ViewSource(const std::string& source, std::string& target) const;

    // "Build a List": the blank-source warning, or the question whether to clear the include list.
    ListMessage BuildPrompt(const std::string& source) const;
    // Yes to the build question.
    void ClearInclude();
    // Reads the levels, walks the source and appends every result neither list holds. Returns the
    // warning that stopped it, or nothing when something was found.
    std::optional<ListMessage> Build(const std::string& source, const std::string& filter,
                                     const _tagBuilderLevels& levels);

    // The move operations of a tab's pane, without its drive test; selected positions in any order.
    void MoveSelectedToExclude(const std::vector<std::size_t>& selected);
    void MoveSelectedToInclude(const std::vector<std::size_t>& selected);
    void MoveAllToExclude();
    void MoveAllToInclude();
    void ExchangeLists();

    ListMessage DeleteSelectedPrompt() const;
    void DeleteSelectedExcluded(const std::vector<std::size_t>& selected);
    ListMessage DeleteAllPrompt() const;
    void DeleteAllExcluded();

    // The edit window's OK: the refusal (the window stays open) or nothing when the include list
    // was rebuilt from the lines.
    std::optional<ListMessage> ParseBack(const std::vector<std::string>& lines);
    // "View Sel.": the first selected include item, trimmed, in target; otherwise the warning.
    std::optional<ListMessage> ViewSelected(const std::vector<std::size_t>& selected,
                                            std::string& target) const;
    // "Export": the include items, or the warning of an empty list.
    std::optional<ListMessage> ExportLines(std::vector<std::string>& lines) const;
    // "Levels": the warning without a selection; otherwise the first selected item measured over
    // the patterns in summary, left empty when that item is blank.
    std::optional<ListMessage> LevelSummary(const std::vector<std::size_t>& selected,
                                            const std::vector<std::string>& patterns,
                                            std::optional<_tagLevelSummary>& summary) const;

private:
    void MoveSelected(FolderList& source, FolderList& target,
                      const std::vector<std::size_t>& selected);
    void MoveAll(FolderList& source, FolderList& target);
    void Report(std::size_t includeCount, std::size_t excludeCount) const;
    void Report() const { Report(include_.Size(), exclude_.Size()); }

    FileSystem& fs_;
    const Text& text_;
    FolderList include_;
    FolderList exclude_;
    Progress progress_;
    WalkProgress walkProgress_;
};

}  // namespace arbovane
