#pragma once

#include <map>
#include <string>

namespace arbovane {

// Folder paths keyed by their depth (separator count); duplicate keys keep insertion order, which
// the walks and removals rely on.
using AS_MULTIMAP_NIVO_FOLDER_NAMES = std::multimap<unsigned, std::string>;

}  // namespace arbovane
