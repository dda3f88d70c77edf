#pragma once

#include <string>
#include <vector>

#include "core/lists/ListMessage.h"

namespace arbovane {

// The refusals of many items added at once, gathered into one box for each kind (each title and
// text), so that a paste of a thousand lines does not bring a thousand boxes. A box that stands
// for several items names them after its text.
class RefusalBoxes {
public:
    void Add(const ListMessage& message, const std::string& item);
    // In the order each kind first occurred.
    std::vector<ListMessage> Boxes() const;

private:
    struct Kind {
        ListMessage message;
        std::vector<std::string> items;
    };
    std::vector<Kind> kinds_;
};

// The items as the path reports list them: the first three, each on its own line, then how many
// more there are.
std::string ItemsBlock(const std::vector<std::string>& items);

}  // namespace arbovane
