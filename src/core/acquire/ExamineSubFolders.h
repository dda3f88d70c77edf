#pragma once

#include <string>
#include <vector>

namespace arbovane {

class Text;

// Reads the include list of a run: every distinct line, or only the top-most folders among them.
class ExamineSubFolders {
public:
    // lines: the list box's lines as they stand; text must outlive the object.
    ExamineSubFolders(const Text& text, std::vector<std::string> lines);

    // The distinct non-blank lines in ascending byte order.
    std::vector<std::string> ReadAll() const;
    // The lines of ReadAll that lie below no other of them (letter case ignored), shallowest
    // first and in byte order among equal depths.
    std::vector<std::string> ReadTopMost() const;

private:
    const Text& text_;
    std::vector<std::string> lines_;
};

}  // namespace arbovane
