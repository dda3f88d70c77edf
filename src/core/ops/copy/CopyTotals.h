#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/ops/FreeSpace.h"
#include "core/templates/FolderStructSize.h"
#include "core/templates/TemplateKind.h"
#include "core/templates/TemplateTree.h"

namespace arbovane {

class FileSystem;
class Messenger;
class Text;
class VisualLog;

// What the template measurement depends on.
struct CopyTemplateInputs {
    std::vector<std::string> templates;  // the template list as it stands
    TemplateKind kind = TemplateKind::Relative;
    AttachMode mode = AttachMode::None;
    std::vector<std::string> patterns;  // the selected file patterns
    bool operator==(const CopyTemplateInputs&) const = default;
};

struct CopyTemplateTotals {
    std::uint32_t folders = 0;
    std::uint32_t files = 0;
    std::uint64_t bytes = 0;
};

// The template totals, the copy size table and the template trees they were counted from, kept
// by the main window for the copy tab. The run copies exactly the trees that were counted.
class CopyTotals {
public:
    // Reads every full-path template again unless the inputs are those of the last reading and
    // force is false; relative lines count one folder each. Without files no file is read.
    void MeasureTemplates(FileSystem& fs, const CopyTemplateInputs& inputs, bool withFiles,
                          bool force = true);

    const CopyTemplateTotals& Totals() const { return totals_; }
    const MAP_FILE_PATH_SIZE& SizeTable() const { return sizes_; }
    // The tree read for a trimmed template line by the last measurement, or nullptr.
    const TemplateTree* TreeOf(const std::string& trimmedLine) const;
    // Bytes one copy of every template really writes.
    std::uint64_t WrittenBytes() const { return writtenBytes_; }
    // The next measurement reads everything again.
    void Forget() { measured_ = false; }
    // Closes the template folders the measurement holds open (Windows would refuse to remove
    // them while open); the next measurement reads them again.
    void ReleaseOpenFolders() {
        trees_.clear();
        measured_ = false;
    }

private:
    bool measured_ = false;
    bool measuredWithFiles_ = false;
    CopyTemplateInputs inputs_;
    CopyTemplateTotals totals_;
    MAP_FILE_PATH_SIZE sizes_;
    std::uint64_t writtenBytes_ = 0;
    std::map<std::string, std::shared_ptr<const TemplateTree>> trees_;
};

struct CopyTotalsPorts {
    FileSystem& fs;
    const Text& text;
    Messenger& messenger;
    VisualLog& log;
};

// The include lines that receive copies as separate destinations: blank lines and lines inside
// other lines (letter case ignored) left out.
std::size_t CopyDestinationCount(const Text& text, const std::vector<std::string>& includeLines);

// Measures, counts destinations and checks free space per destination volume. On success sets
// the four to-do counters and returns true; false without destinations (counters unchanged) or
// when space is short (after the free-space message).
bool UpdateCopyTotals(const CopyTotalsPorts& ports, CopyTotals& totals,
                      const std::vector<std::string>& includeLines,
                      const CopyTemplateInputs& inputs, bool withFiles, bool force = true);

}  // namespace arbovane
