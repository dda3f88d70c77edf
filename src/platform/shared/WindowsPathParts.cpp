#include "platform/shared/WindowsPathParts.h"

#include <algorithm>
#include <cctype>

namespace arbovane {

namespace {

bool IsOnlyDots(const std::string& name) {
    return !name.empty() && name.find_first_not_of('.') == std::string::npos;
}

// The name a segment stands for. Windows drops one trailing period of every segment and, when
// the path does not end in a separator, every trailing period and space of the last one; names
// made only of dots are real names (or "." and "..") and stay as written.
std::string WindowsSegmentName(std::string segment, bool lastWithoutSeparator) {
    if (IsOnlyDots(segment)) return segment;
    if (lastWithoutSeparator) {
        const auto keep = segment.find_last_not_of(". ");
        segment.erase(keep == std::string::npos ? 0 : keep + 1);
    } else if (segment.size() >= 2 && segment.back() == '.' && segment[segment.size() - 2] != '.') {
        segment.pop_back();
    }
    return segment;
}

// The next run of non-separators at or after pos; pos moves past it.
std::string NextSegment(const std::string& text, std::size_t& pos) {
    while (pos < text.size() && text[pos] == '\\') ++pos;
    const std::size_t start = pos;
    while (pos < text.size() && text[pos] != '\\') ++pos;
    return text.substr(start, pos - start);
}

bool StartsWithDrive(const std::string& text, std::size_t at) {
    return text.size() >= at + 2 && text[at + 1] == ':' &&
           std::isalpha(static_cast<unsigned char>(text[at]));
}

}  // namespace

bool SplitWindowsPath(const std::string& path, WindowsPathParts& parts) {
    parts = WindowsPathParts{};
    if (path.empty() || path.find('\0') != std::string::npos) return false;
    std::string text = path;
    std::replace(text.begin(), text.end(), '/', '\\');

    std::size_t pos = 0;
    // The long-path prefix only switches off the length limit; the path after it is read alike.
    if (text.compare(0, 4, "\\\\?\\") == 0) {
        if (StartsWithDrive(text, 4)) {
            text.erase(0, 4);
        } else if (text.size() >= 8 && text[7] == '\\' &&
                   std::equal(text.begin() + 4, text.begin() + 7, "UNC", [](char a, char b) {
                       return std::toupper(static_cast<unsigned char>(a)) == b;
                   })) {
            text.erase(2, 6);
        }
    }
    if (text.compare(0, 2, "\\\\") == 0) {
        pos = 2;
        const std::string server = NextSegment(text, pos);
        const std::string share = NextSegment(text, pos);
        if (server.empty() || share.empty()) return false;
        parts.anchor = PathAnchor::kShareRoot;
        parts.share = "\\\\" + server + "\\" + share;
    } else if (StartsWithDrive(text, 0)) {
        parts.letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
        pos = 2;
        parts.anchor = pos < text.size() && text[pos] == '\\' ? PathAnchor::kDriveRoot
                                                              : PathAnchor::kDriveCurrent;
    } else if (text[0] == '\\') {
        parts.anchor = PathAnchor::kCurrentDriveRoot;
    }

    const bool endsWithSeparator = text.back() == '\\';
    std::vector<std::string> segments;
    while (pos < text.size()) {
        std::string segment = NextSegment(text, pos);
        if (!segment.empty()) segments.push_back(std::move(segment));
    }
    for (std::size_t i = 0; i < segments.size(); ++i) {
        // Windows would drop a trailing period or blank and reach another entry than the one the
        // host may hold under this very name, so such a path names nothing.
        const std::string& segment = segments[i];
        if (!IsOnlyDots(segment) && (segment.back() == '.' || segment.back() == ' ')) return false;
        const bool last = i + 1 == segments.size();
        std::string name = WindowsSegmentName(std::move(segments[i]), last && !endsWithSeparator);
        if (name.empty() || name == ".") continue;
        parts.components.push_back(std::move(name));
    }
    return true;
}

}  // namespace arbovane
