#include "core/acquire/ExamineSubFolders.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "core/paths/Arbsplit.h"
#include "core/paths/PathText.h"
#include "platform/Text.h"

namespace arbovane {

ExamineSubFolders::ExamineSubFolders(const Text& text, std::vector<std::string> lines)
    : text_(text), lines_(std::move(lines)) {}

std::vector<std::string> ExamineSubFolders::ReadAll() const {
    // Sorted once and made distinct, the order of a sorted set without a node per line.
    std::vector<std::string> distinct;
    distinct.reserve(lines_.size());
    for (const std::string& line : lines_)
        if (line.find_first_not_of(' ') != std::string::npos) distinct.push_back(line);
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    return distinct;
}

std::vector<std::string> ExamineSubFolders::ReadTopMost() const {
    const std::vector<std::string> all = ReadAll();
    std::vector<std::pair<unsigned, const std::string*>> work;
    work.reserve(all.size());
    for (const std::string& line : all) work.emplace_back(CountSeparators(line), &line);
    // all is in byte order already, so a stable sort by depth keeps byte order within a depth.
    std::stable_sort(work.begin(), work.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });

    // A kept text K absorbs a later text C when C, with a trailing backslash, starts with K
    // (letter case ignored) followed by a backslash. Only a text cut right before one of C's
    // backslashes can be such a K, so each C looks up its own cuts instead of every K scanning
    // every C. Keys are lower-cased; the rule itself decides every candidate found.
    std::unordered_map<std::string, std::string> keptByKey;
    std::vector<std::string> result;
    for (const auto& [depth, text] : work) {
        std::string candidate = *text;
        if (candidate.back() != '\\') candidate.push_back('\\');
        const std::string lowered = text_.LowerCase(candidate);
        bool absorbed = false;
        for (std::size_t cut = lowered.find('\\'); cut != std::string::npos && !absorbed;
             cut = lowered.find('\\', cut + 1)) {
            const auto found = keptByKey.find(lowered.substr(0, cut));
            if (found == keptByKey.end()) continue;
            const std::string& kept = found->second;
            absorbed = candidate.size() > kept.size() && candidate[kept.size()] == '\\' &&
                       text_.EqualsNoCase(candidate.substr(0, kept.size()), kept);
        }
        if (absorbed) continue;
        result.push_back(*text);
        keptByKey.emplace(text_.LowerCase(*text), *text);
    }
    return result;
}

}  // namespace arbovane
