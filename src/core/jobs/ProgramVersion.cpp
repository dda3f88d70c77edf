#include "core/jobs/ProgramVersion.h"

#include <vector>

namespace arbovane {

namespace {

// Longer parts are no version anyone writes; the limit keeps the numbers in range.
constexpr std::size_t kLongestPart = 9;

std::vector<long> Parts(const std::string& text) {
    std::vector<long> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('.', start);
        if (end == std::string::npos) end = text.size();
        parts.push_back(std::stol(text.substr(start, end - start)));
        start = end + 1;
    }
    return parts;
}

}  // namespace

const char* ProgramVersion() {
    return ARBOVANE_VERSION;
}

bool IsVersionNumber(const std::string& text) {
    std::size_t digits = 0;
    for (const char c : text) {
        if (c == '.') {
            if (digits == 0) return false;
            digits = 0;
        } else if (c >= '0' && c <= '9') {
            if (++digits > kLongestPart) return false;
        } else {
            return false;
        }
    }
    return digits > 0;
}

int CompareVersions(const std::string& a, const std::string& b) {
    const std::vector<long> left = Parts(a), right = Parts(b);
    for (std::size_t i = 0; i < left.size() || i < right.size(); ++i) {
        const long l = i < left.size() ? left[i] : 0;
        const long r = i < right.size() ? right[i] : 0;
        if (l != r) return l < r ? -1 : 1;
    }
    return 0;
}

}  // namespace arbovane
