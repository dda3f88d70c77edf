#include "core/acquire/ListingReporter.h"

namespace arbovane {

bool ListingReporter::Enumerate(const std::string& folderAndPattern, const EntryVisitor& visit) {
    const bool listed = inner_.Enumerate(folderAndPattern, [&](const DirEntry& entry) {
        ++entries_;
        return visit(entry);
    });
    ++listings_;
    // After the listing, never inside it: whoever watches may let window messages run.
    if (report_) report_(listings_, entries_);
    return listed;
}

}  // namespace arbovane
