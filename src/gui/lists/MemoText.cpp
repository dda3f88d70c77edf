#include "gui/lists/MemoText.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

namespace arbovane {

namespace {

// What the memo would split into two lines, or drop, becomes the replacement character.
QString ShownText(const std::string& line) {
    QString shown = QString::fromStdString(line);
    for (QChar& c : shown)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar::ParagraphSeparator)
            c = QChar::ReplacementCharacter;
    return shown;
}

}  // namespace

std::size_t MemoText::Show(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
    kept_.clear();
    std::size_t uncarried = 0;
    QString text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QString shown = ShownText(lines[i]);
        std::string back = shown.toStdString();
        if (back != lines[i]) {
            kept_[std::move(back)].push_back(lines[i]);
            ++uncarried;
        }
        if (i > 0) text += QLatin1Char('\n');
        text += shown;
    }
    memo->setPlainText(text);
    return uncarried;
}

std::vector<std::string> MemoText::Read(const QPlainTextEdit* memo) const {
    // Block by block: the whole text would turn no-break spaces into blanks and line separators
    // into line breaks.
    std::vector<std::string> lines;
    std::unordered_map<std::string, std::size_t> used;
    const QTextDocument* document = memo->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        std::string line = block.text().toStdString();
        const auto kept = kept_.find(line);
        if (kept != kept_.end()) {
            std::size_t& next = used[line];
            if (next < kept->second.size()) line = kept->second[next++];
        }
        lines.push_back(std::move(line));
    }
    // A final line break opens no line, so an empty memo has none.
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

}  // namespace arbovane
