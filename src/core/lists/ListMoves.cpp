#include "core/lists/ListMoves.h"

#include <algorithm>

#include "core/lists/FolderList.h"

namespace arbovane {

std::vector<std::size_t> SelectedPositions(std::vector<std::size_t> positions, std::size_t size) {
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    positions.erase(std::lower_bound(positions.begin(), positions.end(), size), positions.end());
    return positions;
}

void MoveSelectedItems(FolderList& source, FolderList& target, bool toExclude,
                       const std::vector<std::size_t>& selected, const ListItemFilter& filter,
                       const ListMoveProgress& report) {
    // The skipped items leave the source too: the target holds them already, or it cannot take
    // them.
    target.TakeAt(
        source, SelectedPositions(selected, source.Size()), filter, [&](std::size_t sourceCount) {
            toExclude ? report(sourceCount, target.Size()) : report(target.Size(), sourceCount);
        });
}

void MoveAllItems(FolderList& source, FolderList& target, const ListItemFilter& filter) {
    target.TakeAll(source, filter);
}

void ExchangeItems(FolderList& include, FolderList& exclude, const ListMoveProgress& report) {
    include.Exchange(exclude);
    report(include.Size(), exclude.Size());
}

void DeleteSelectedItems(FolderList& include, FolderList& exclude,
                         const std::vector<std::size_t>& selected, const ListMoveProgress& report) {
    const std::vector<std::size_t> positions = SelectedPositions(selected, exclude.Size());
    std::size_t count = exclude.Size();
    for (std::size_t i = 0; i < positions.size(); ++i) report(include.Size(), --count);
    exclude.RemoveAt(positions);
}

}  // namespace arbovane
