#pragma once

#include <array>
#include <string>

namespace arbovane {

// The tabs that work on an include and an exclude list.
enum class TabPrefix { Vol08, Vol07, Vol06, Vol04, Vol02 };

inline constexpr std::array<TabPrefix, 5> kListTabs = {
    TabPrefix::Vol08, TabPrefix::Vol07, TabPrefix::Vol06, TabPrefix::Vol04, TabPrefix::Vol02};

// "Vol08", the part every control name of the tab carries.
inline std::string PrefixText(TabPrefix prefix) {
    switch (prefix) {
        case TabPrefix::Vol08:
            return "Vol08";
        case TabPrefix::Vol07:
            return "Vol07";
        case TabPrefix::Vol06:
            return "Vol06";
        case TabPrefix::Vol04:
            return "Vol04";
        case TabPrefix::Vol02:
            return "Vol02";
    }
    return {};
}

}  // namespace arbovane
