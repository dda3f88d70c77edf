#pragma once

#include <optional>
#include <string>

#include "core/lists/ListMessage.h"

namespace arbovane {

// What a typed addition leaves behind: the box to show, if any, and the entry field's new text.
struct TypedAddResult {
    std::optional<ListMessage> message;
    std::string fieldText;
};

}  // namespace arbovane
