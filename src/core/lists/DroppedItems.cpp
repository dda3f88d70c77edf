#include "core/lists/DroppedItems.h"

#include "platform/FileSystem.h"

namespace arbovane {

DroppedItems SortDropped(FileSystem& fs, const std::vector<DroppedItem>& items) {
    DroppedItems sorted;
    for (const DroppedItem& item : items) {
        const bool folder = item.onDrive && (fs.IsFolder(item.text) || !fs.IsFile(item.text));
        (folder ? sorted.folders : sorted.refused).push_back(item.text);
    }
    return sorted;
}

}  // namespace arbovane
