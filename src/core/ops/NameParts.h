#pragma once

#include <string>

namespace arbovane {

// The pieces of a composed folder path (renaming and creation); the path is their concatenation
// in this order, with the creation tabs' name between Head and SuffixHyphen where Core is empty.
struct _tagVol0XParts {
    std::string Head;          // parent folder with one trailing backslash, prefix, first delimiter
    std::string Core;          // the folder's current name, or the new name
    std::string SuffixHyphen;  // second delimiter
    std::string Suffix;
};

}  // namespace arbovane
