// The path checks and normalisation of typed and imported text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/paths/Arbsplit.h"
#include "core/paths/PathText.h"
#include "fuzz/FuzzInput.h"
#include "platform/shared/WindowsPathParts.h"

using namespace arbovane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string found, message, normalised, head, tail, ext;
    for (const char mode : {'F', 'H', 'N', 'n'}) FindIllegalChars(mode, text, found);
    NormalisePath(text);
    NormaliseTypedText(text);
    AnalyseColons(text, message);
    CheckTextItem(text, normalised, message);
    const std::vector<std::string> lines = SplitFullPaths(text);
    ReportSyntaxErrors(message, lines);
    ReportColons(1, message, lines);
    ReportNoLeadingBackslash(message, lines);
    CheckRelativePaths(message, lines);
    TrimSpaces(text);
    SplitAtColon(text, head, tail);
    ExtensionOf(text, ext);
    ExtractDrive(text);
    WithBackslashes(text);
    WindowsPathParts parts;
    SplitWindowsPath(text, parts);
    IsCreatableWindowsName(text);
    return 0;
}
