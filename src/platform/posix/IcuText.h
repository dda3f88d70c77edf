#pragma once

#include "platform/Text.h"

namespace arbovane {

// UTF-8 text through ICU's full case folding and lower-casing.
class IcuText : public Text {
public:
    std::string LowerCase(const std::string& text) const override;
    int CompareNoCase(const std::string& a, const std::string& b) const override;
    std::size_t FindNoCase(const std::string& haystack, const std::string& needle,
                           std::size_t from = 0) const override;
};

}  // namespace arbovane
