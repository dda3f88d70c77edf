// The import splitter and dequoting: a separator, a quotation mark and the lines of a file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/acquire/ImportClass.h"
#include "core/acquire/SplitLine.h"
#include "fuzz/FuzzInput.h"

using namespace arbovane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const std::string separator = ImportSeparatorFrom(input.Next());
    const std::string quote = input.Next();
    const std::string file = input.Rest();
    QuotingStyle style = QuotingStyle::None;
    ForEachTextLine(file, [&](std::string_view line) {
        SourceLineOf(line);
        for (const std::string& field : SplitLine(line, separator, style)) {
            const std::string item = ImportItemText(field);
            if (!quote.empty()) DequotedText(item, quote[0]);
        }
    });
    // Quoting then dequoting gives the text back.
    const char mark = quote.empty() ? '"' : quote[0];
    if (!file.empty()) fuzz::Require(DequotedText(QuotedText(file, mark), mark) == file);
    long long column = 0;
    ColumnNumberFrom(separator, column);
    return 0;
}
