#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/lists/FolderList.h"
#include "core/lists/ListMessage.h"
#include "core/lists/ListTabTexts.h"
#include "core/lists/TypedAddResult.h"

namespace arbovane {

class FileSystem;
class Text;

// The list of a pane that a drop or a paste goes to.
enum class ListSide { Include, Exclude };

// The include and exclude lists of one tab and every operation of its pane. Operations return the
// box to show instead of showing it; those that ask first come in two steps, a prompt (a warning
// that ends the operation, or the question) and the action taken on Yes.
class ListPane {
public:
    // Called after each item of a long operation with the counter values to show.
    using Progress = std::function<void(std::size_t includeCount, std::size_t excludeCount)>;

    // fs: the file system the tab's run acts on; it decides which lines name one folder.
    ListPane(TabPrefix prefix, const Text& text, FileSystem& fs);

    const ListTabTexts& Texts() const { return texts_; }
    FolderList& Include() { return include_; }
    FolderList& Exclude() { return exclude_; }
    const FolderList& Include() const { return include_; }
    const FolderList& Exclude() const { return exclude_; }
    void SetProgress(Progress progress) { progress_ = std::move(progress); }

    // chosen: the folder browser's result (empty when cancelled).
    std::optional<ListMessage> AddBrowsedFolder(const std::string& chosen);
    // The string tab's entry field.
    TypedAddResult AddTypedString(const std::string& fieldText);
    // The full-path entry field; several paths may stand in one line.
    TypedAddResult AddTypedPaths(FileSystem& fs, const std::string& fieldText);

    // Several items at once. Each goes through the checks of one item added alone, and the
    // refusals come back as one box for each kind, in the order they first occurred.
    // Folders picked together in the folder dialog, or dropped on a tab that has the dialog.
    std::vector<ListMessage> AddBrowsedFolders(const std::vector<std::string>& chosen,
                                               ListSide side = ListSide::Include);
    // Lines pasted (blank ones skipped), or folders dropped on a tab with an entry field: each
    // as if typed there. A tab without an entry field checks them as the full-path field does.
    std::vector<ListMessage> AddTypedLines(FileSystem& fs, const std::vector<std::string>& lines,
                                           ListSide side);
    // The box for dropped items that are no folders on a drive; nothing when there are none.
    std::optional<ListMessage> RefuseDropped(const std::vector<std::string>& items) const;

    // selected: positions in the source list, any order.
    void MoveSelectedToExclude(const std::vector<std::size_t>& selected);
    void MoveSelectedToInclude(const std::vector<std::size_t>& selected);
    void MoveAllToExclude();
    void MoveAllToInclude();
    void ExchangeLists();

    ListMessage DeleteSelectedPrompt() const;
    void DeleteSelectedExcluded(const std::vector<std::size_t>& selected);
    ListMessage DeleteAllPrompt() const;
    void DeleteAllExcluded();

    // The edit window's OK: the refusal to show (the window stays open) or nothing when the
    // include list was rebuilt from the lines.
    std::optional<ListMessage> ParseBack(const std::vector<std::string>& lines);

    // The first selected include item, trimmed, in target; otherwise the warning.
    std::optional<ListMessage> ViewSelected(const std::vector<std::size_t>& selected,
                                            std::string& target) const;

    // The import dialog's result: the warning of an empty result or of lines the tab cannot take
    // (then nothing is added), or nothing when the new lines were appended. A Cancel adds nothing.
    std::optional<ListMessage> ImportResult(std::vector<std::string> lines, bool closedWithOk);

    // The lines to hand to the export dialog, or the warning of an empty list.
    std::optional<ListMessage> ExportLines(std::vector<std::string>& lines) const;

    // A job's lines, as the lists held them when it was saved; an exclude line the include list
    // holds stays only there.
    void ReplaceLists(const std::vector<std::string>& include,
                      const std::vector<std::string>& exclude);

    ListMessage ClearFieldsQuestion() const;
    // Empties both lists; the window resets the rest of the tab.
    void ClearLists();
    ListMessage ClearFieldsEnd() const;

private:
    FolderList& Side(ListSide side) { return side == ListSide::Include ? include_ : exclude_; }
    std::optional<ListMessage> BrowsedRefusal(const std::string& candidate) const;
    std::optional<ListMessage> HeldRefusal(const std::string& item) const;
    void TypedStringInto(FolderList& target, const std::string& fieldText, TypedAddResult& result);
    void TypedPathsInto(FileSystem& fs, FolderList& target, const std::string& fieldText,
                        TypedAddResult& result);
    void MoveSelected(FolderList& source, FolderList& target,
                      const std::vector<std::size_t>& selected);
    void MoveAll(FolderList& source, FolderList& target);
    bool Movable(const std::string& item) const;
    void Report(std::size_t includeCount, std::size_t excludeCount) const;
    void Report() const { Report(include_.Size(), exclude_.Size()); }

    const ListTabTexts& texts_;
    FolderList include_;
    FolderList exclude_;
    Progress progress_;
};

}  // namespace arbovane
