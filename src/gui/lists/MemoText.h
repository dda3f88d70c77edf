#pragma once

#include <QString>
#include <cstddef>
#include <deque>
#include <string>
#include <unordered_map>
#include <vector>

class QPlainTextEdit;

namespace arbovane {

// The lines of a list shown in a plain-text memo and read back as the bytes they are. The memo
// keeps most text as it is; a line it cannot carry (bytes that are no UTF-8, a paragraph or
// carriage-return break inside it) is shown with U+FFFD in their place and, as long as it is left
// as shown, read back with its own bytes. The lists stay the source of truth.
class MemoText {
public:
    // Fills the memo; returns the number of lines it cannot show as they are.
    std::size_t Show(QPlainTextEdit* memo, const std::vector<std::string>& lines);
    // The memo's lines, a final line break opening none.
    std::vector<std::string> Read(const QPlainTextEdit* memo) const;
    void Clear() { kept_.clear(); }

private:
    // The text shown for a line the memo cannot carry, with the lines shown that way in order.
    std::unordered_map<std::string, std::deque<std::string>> kept_;
};

}  // namespace arbovane
