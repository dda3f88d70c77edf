#include "core/ops/copy/CopyTotals.h"

#include <algorithm>
#include <set>

#include "core/acquire/ExamineSubFolders.h"
#include "core/ops/copy/CopyMessages.h"
#include "core/ops/copy/CopyRun.h"
#include "core/paths/Arbsplit.h"
#include "core/paths/PathText.h"
#include "core/templates/AttachWalk.h"
#include "core/visuallog/VisualLog.h"
#include "platform/FileSystem.h"
#include "platform/Messenger.h"
#include "platform/Text.h"

namespace arbovane {

namespace {

struct Volume {
    std::string name;    // named in the message
    std::string folder;  // the first destination on it, whose free space is asked
    std::uint64_t needed = 0;
    std::vector<std::string> destinations;  // the include folders that receive copies there
};

// Bytes of template files whose destination exists already in the given include folders.
std::uint64_t ExistingBytes(FileSystem& fs, const CopyTotals& totals,
                            const CopyTemplateInputs& inputs,
                            const std::vector<std::string>& destinations) {
    std::uint64_t bytes = 0;
    std::set<std::string> templates;
    for (const std::string& line : inputs.templates) {
        const std::string trimmed = TrimSpaces(line);
        const TemplateTree* tree = totals.TreeOf(trimmed);
        if (!tree || !templates.insert(trimmed).second) continue;
        for (const std::string& destination : destinations) {
            const std::string base = TemplateDestinationBase(destination, line, inputs.mode);
            for (const auto& folder : tree->Folders()) {
                const std::string target =
                    folder.relative.empty() ? base : JoinName(base, folder.relative);
                std::set<std::string> seen;
                for (const auto& files : folder.files)
                    for (const auto& file : files)
                        if (!file.refused && seen.insert(file.name).second &&
                            fs.IsFile(JoinName(target, file.name)))
                            bytes += file.size;
            }
        }
    }
    return bytes;
}

}  // namespace

void CopyTotals::MeasureTemplates(FileSystem& fs, const CopyTemplateInputs& inputs, bool withFiles,
                                  bool force) {
    if (!force && measured_ && measuredWithFiles_ == withFiles && inputs_ == inputs) return;
    totals_ = {};
    sizes_.clear();
    writtenBytes_ = 0;
    std::map<std::string, std::shared_ptr<const TemplateTree>> trees;
    const bool withMain = !(inputs.mode == AttachMode::SubFoldersOnlyWithFiles ||
                            inputs.mode == AttachMode::SubFoldersOnlyWithoutFiles);
    const std::vector<std::string> none;
    for (const std::string& line : inputs.templates) {
        const std::string trimmed = TrimSpaces(line);
        if (trimmed.empty()) continue;
        if (inputs.kind != TemplateKind::FullPath) {
            ++totals_.folders;
            continue;
        }
        auto& tree = trees[trimmed];
        if (!tree) {
            tree = std::make_shared<const TemplateTree>(
                TemplateTree::Read(fs, trimmed, withFiles ? inputs.patterns : none));
        }
        totals_.folders += tree->FolderCount(withMain);
        if (!withFiles) continue;
        totals_.files += tree->FileCount();
        totals_.bytes += tree->ByteTotal();
        writtenBytes_ += tree->WrittenBytes();
        for (const auto& folder : tree->Folders())
            for (const auto& files : folder.files)
                for (const auto& file : files)
                    if (!file.refused)
                        sizes_.try_emplace(tree->SourcePath(folder, file.name), file.size);
    }
    trees_ = std::move(trees);
    inputs_ = inputs;
    measuredWithFiles_ = withFiles;
    measured_ = true;
}

const TemplateTree* CopyTotals::TreeOf(const std::string& trimmedLine) const {
    const auto it = trees_.find(trimmedLine);
    return it == trees_.end() ? nullptr : it->second.get();
}

std::size_t CopyDestinationCount(const Text& text, const std::vector<std::string>& includeLines) {
    return ExamineSubFolders(text, includeLines).ReadTopMost().size();
}

bool UpdateCopyTotals(const CopyTotalsPorts& ports, CopyTotals& totals,
                      const std::vector<std::string>& includeLines,
                      const CopyTemplateInputs& inputs, bool withFiles, bool force) {
    totals.MeasureTemplates(ports.fs, inputs, withFiles, force);
    const std::size_t destinations = CopyDestinationCount(ports.text, includeLines);
    if (destinations == 0) return false;

    // What a run writes: one copy of every template into each existing include folder, added up
    // per volume: the one that holds the include folder, so two drive letters on one disk are
    // checked together and a folder on another mount against that mount.
    const std::uint64_t perDestination = totals.WrittenBytes();
    if (perDestination > 0) {
        std::vector<Volume> volumes;
        std::map<std::uint64_t, std::size_t> volumeIndex;
        for (const std::string& line : ExamineSubFolders(ports.text, includeLines).ReadAll()) {
            std::uint64_t id = 0;
            if (!HasDrive(TrimSpaces(line)) || !IsExistingFolder(ports.fs, line) ||
                !ports.fs.VolumeId(line, id))
                continue;
            auto [it, added] = volumeIndex.try_emplace(id, volumes.size());
            if (added) volumes.push_back({VolumeName(ports.fs, line, id), line, 0, {}});
            Volume& volume = volumes[it->second];
            volume.needed = SaturatingSum(volume.needed, perDestination);
            volume.destinations.push_back(line);
        }
        for (Volume& volume : volumes) {
            std::uint64_t available = 0;
            if (!ports.fs.FreeBytesForUser(volume.folder, available)) continue;
            if (volume.needed <= available) continue;
            // Only when space looks short: files already at their destination are not written.
            volume.needed -= std::min(volume.needed,
                                      ExistingBytes(ports.fs, totals, inputs, volume.destinations));
            if (volume.needed <= available) continue;
            ShowCopyMessage(ports.messenger, CopyMessageId::FreeSpace,
                            FreeSpaceMessage(volume.name, available, volume.needed));
            return false;
        }
    }

    ports.log.Set(Vol08Counter::FoldersToCopy, static_cast<double>(destinations));
    ports.log.Set(Vol08Counter::SubFoldersToCopy,
                  static_cast<double>(totals.Totals().folders) * static_cast<double>(destinations));
    ports.log.Set(Vol08Counter::FilesToCopy,
                  static_cast<double>(totals.Totals().files) * static_cast<double>(destinations));
    ports.log.Set(Vol08Counter::FileSizeToCopy,
                  static_cast<double>(totals.Totals().bytes) * static_cast<double>(destinations));
    return true;
}

}  // namespace arbovane
