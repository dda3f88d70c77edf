#include "core/lists/RefusalBoxes.h"

#include <algorithm>

namespace arbovane {

namespace {

constexpr std::size_t kItemsShown = 3;

}  // namespace

void RefusalBoxes::Add(const ListMessage& message, const std::string& item) {
    // A paste brings few kinds, so a search beats a map that would lose their order.
    const auto kind = std::find_if(kinds_.begin(), kinds_.end(), [&](const Kind& k) {
        return k.message.title == message.title && k.message.text == message.text;
    });
    if (kind == kinds_.end())
        kinds_.push_back({message, {item}});
    else
        kind->items.push_back(item);
}

std::vector<ListMessage> RefusalBoxes::Boxes() const {
    std::vector<ListMessage> boxes;
    for (const Kind& kind : kinds_) {
        ListMessage box = kind.message;
        if (kind.items.size() > 1) box.text += "\n\n" + ItemsBlock(kind.items);
        boxes.push_back(std::move(box));
    }
    return boxes;
}

std::string ItemsBlock(const std::vector<std::string>& items) {
    std::string block;
    for (std::size_t i = 0; i < items.size() && i < kItemsShown; ++i) block += items[i] + "\n";
    if (items.size() > kItemsShown)
        block += "\n" + std::to_string(items.size() - kItemsShown) + "  more left";
    return block;
}

}  // namespace arbovane
