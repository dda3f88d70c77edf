// The file selection's entry line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/templates/FileSelection.h"

using namespace arbovane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string entry(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> tokens;
    FileSelectionMessage failure;
    if (!TokeniseSelection(entry, tokens, failure)) return 0;
    FolderPartMessage(tokens);
    PeriodCheckMessages(tokens);
    const std::vector<std::string> kept = DropEmptyAndRepeatedTokens(tokens);
    for (const std::string& token : kept) IsFileNamePattern(token);
    SelectionTextOf(kept);
    return 0;
}
