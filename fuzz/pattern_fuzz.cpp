// Windows pattern matching: a pattern and a name.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "fuzz/FuzzInput.h"
#include "platform/posix/IcuText.h"
#include "platform/shared/WindowsPattern.h"

using namespace arbovane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const IcuText text;
    fuzz::FuzzInput input(data, size);
    const std::string pattern = input.Next();
    const std::string name = input.Rest();
    const bool matches = MatchesWindowsPattern(text, pattern, name);
    // A name always matches itself and "*"; letter case never matters.
    if (name.find_first_of("*?<>\"") == std::string::npos && !name.empty()) {
        fuzz::Require(MatchesWindowsPattern(text, name, name));
        fuzz::Require(MatchesWindowsPattern(text, "*", name));
    }
    auto lowered = [](std::string s) {
        for (char& c : s)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return s;
    };
    fuzz::Require(MatchesWindowsPattern(text, lowered(pattern), lowered(name)) == matches);
    return 0;
}
