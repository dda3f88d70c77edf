#pragma once

#include <cstddef>
#include <string>

namespace arbovane {

// Case-aware handling of 8-bit (UTF-8) text, so accented letters compare and lower like ASCII ones.
class Text {
public:
    virtual ~Text() = default;

    virtual std::string LowerCase(const std::string& text) const = 0;
    // <0, 0 or >0, letter case ignored.
    virtual int CompareNoCase(const std::string& a, const std::string& b) const = 0;
    // Byte offset of the first match at or after from, letter case ignored; npos when none.
    virtual std::size_t FindNoCase(const std::string& haystack, const std::string& needle,
                                   std::size_t from = 0) const = 0;

    bool EqualsNoCase(const std::string& a, const std::string& b) const {
        return CompareNoCase(a, b) == 0;
    }
    bool StartsWithNoCase(const std::string& text, const std::string& prefix) const {
        return text.size() >= prefix.size() &&
               FindNoCase(text.substr(0, prefix.size()), prefix) == 0;
    }
};

}  // namespace arbovane
