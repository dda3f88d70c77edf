#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace arbovane {

class FolderList;

// The moves between an include and an exclude list that every pair of list boxes offers. Each
// reports the two counts (include, exclude) as it goes, so long moves can show progress.
using ListMoveProgress = std::function<void(std::size_t includeCount, std::size_t excludeCount)>;
// Whether an item may enter the other list at all (the folder tabs take only items with a drive).
using ListItemFilter = std::function<bool(const std::string&)>;

// Selected positions sorted, once each, within the list.
std::vector<std::size_t> SelectedPositions(std::vector<std::size_t> positions, std::size_t size);

// Every selected item goes to the target unless the target holds it or the filter refuses it; all
// selected items leave the source.
void MoveSelectedItems(FolderList& source, FolderList& target, bool toExclude,
                       const std::vector<std::size_t>& selected, const ListItemFilter& filter,
                       const ListMoveProgress& report);
// The same for every item of the source.
void MoveAllItems(FolderList& source, FolderList& target, const ListItemFilter& filter);
// The two lists change places; an item that stood in both stays in the include list only.
void ExchangeItems(FolderList& include, FolderList& exclude, const ListMoveProgress& report);
void DeleteSelectedItems(FolderList& include, FolderList& exclude,
                         const std::vector<std::size_t>& selected, const ListMoveProgress& report);

}  // namespace arbovane
