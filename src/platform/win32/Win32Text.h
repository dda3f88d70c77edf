#pragma once

#include "platform/Text.h"

namespace arbovane {

// UTF-8 text through the system's own case tables: simple, one code unit to one, upper case for
// comparison as the file system compares names (CompareStringOrdinal), lower case for keys
// (LCMapStringEx). A byte that is no UTF-8 stays as it is and compares by its value.
class Win32Text : public Text {
public:
    std::string LowerCase(const std::string& text) const override;
    int CompareNoCase(const std::string& a, const std::string& b) const override;
    std::size_t FindNoCase(const std::string& haystack, const std::string& needle,
                           std::size_t from = 0) const override;
};

}  // namespace arbovane
