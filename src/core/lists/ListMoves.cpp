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
    const std::vector<std::size_t> positions = SelectedPositions(selected, source.Size());
    std::size_t sourceCount = source.Size();
    const auto progress = [&] {
        toExclude ? report(sourceCount, target.Size()) : report(target.Size(), sourceCount);
    };
    for (const std::size_t position : positions) {
        const std::string& item = source.At(position);
        if (target.Holds(item) || (filter && !filter(item))) continue;
        target.Add(item);
        progress();
    }
    // The skipped items leave the source too: the target holds them already, or it cannot take
    // them.
    for (std::size_t i = 0; i < positions.size(); ++i) {
        --sourceCount;
        progress();
    }
    source.RemoveAt(positions);
}

void MoveAllItems(FolderList& source, FolderList& target, const ListItemFilter& filter) {
    for (const std::string& item : source.Lines())
        if (!target.Holds(item) && (!filter || filter(item))) target.Add(item);
    source.Clear();
}

void ExchangeItems(FolderList& include, FolderList& exclude, const ListMoveProgress& report) {
    const std::vector<std::string> formerInclude = include.Lines();
    include.Clear();
    std::size_t excludeCount = exclude.Size();
    report(0, excludeCount);
    for (const std::string& item : exclude.Lines())
        if (include.Add(item)) report(include.Size(), --excludeCount);
    exclude.Clear();
    report(include.Size(), 0);
    for (const std::string& item : formerInclude)
        if (!include.Holds(item) && exclude.Add(item)) report(include.Size(), exclude.Size());
}

void DeleteSelectedItems(FolderList& include, FolderList& exclude,
                         const std::vector<std::size_t>& selected, const ListMoveProgress& report) {
    const std::vector<std::size_t> positions = SelectedPositions(selected, exclude.Size());
    std::size_t count = exclude.Size();
    for (std::size_t i = 0; i < positions.size(); ++i) report(include.Size(), --count);
    exclude.RemoveAt(positions);
}

}  // namespace arbovane
