#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace arbovane {

class FileSystem;
class FolderTree;

// Full file path (compared byte by byte) to its size in bytes.
using MAP_FILE_PATH_SIZE = std::map<std::string, std::uint64_t>;
// Path depth (its separator count) to the number of folders walked at that depth.
using MAP_NIVO_FOLDER_COUNT = std::map<unsigned, std::uint32_t>;

// One line of the level summary table, as the window shows it.
struct _tagLevelSummaryRow {
    std::string level;    // "Level Number"
    std::string folders;  // "Number of Subfolders"
};

// What the level summary window shows for one measurement.
struct _tagLevelSummary {
    std::vector<_tagLevelSummaryRow> rows;
    std::string folderName;  // beside "Folder Structure:"
    std::string folderSum;   // beside "Contains:"
    std::string fileSum;
    std::string fileSize;  // beside "Sum file size:"
};

// Measures one folder tree: folders, files, bytes and the size of every file. Links are counted as
// folders or files but never entered. Each Measure call recounts the folders and the depth
// histogram, so one object may be measured more than once.
class FolderStructSize {
public:
    FolderStructSize(FileSystem& fs, std::string root);
    ~FolderStructSize();

    // Whether the root itself counts as a folder; set it before measuring.
    void SetIncludeMain(bool flag) { includeMain_ = flag; }

    // Every file of the tree, into the all-files results.
    void MeasureAllFiles();
    // The files matching each pattern anywhere in the tree, into the selected-files results. A
    // file matching two patterns counts twice but has one table entry.
    void MeasureSelectedFiles(const std::vector<std::string>& patterns);
    // The same for the files directly inside the root; no folder is walked.
    void MeasureRootFiles(const std::vector<std::string>& patterns);

    const std::string& Root() const { return root_; }
    std::uint32_t FolderCount() const { return folderCount_; }
    const MAP_NIVO_FOLDER_COUNT& DepthHistogram() const { return histogram_; }

    std::uint32_t AllFileCount() const { return all_.fileCount; }
    std::uint64_t AllByteTotal() const { return all_.byteTotal; }
    const MAP_FILE_PATH_SIZE& AllFileSizes() const { return all_.sizes; }

    std::uint32_t SelectedFileCount() const { return selected_.fileCount; }
    std::uint64_t SelectedByteTotal() const { return selected_.byteTotal; }
    const MAP_FILE_PATH_SIZE& SelectedFileSizes() const { return selected_.sizes; }

    // The level summary window's content from the selected-files results.
    _tagLevelSummary ShowLevelSummary() const { return SummaryOf(selected_); }
    // The same from the all-files results.
    _tagLevelSummary ShowAllFilesLevelSummary() const { return SummaryOf(all_); }

private:
    struct Results {
        std::uint32_t fileCount = 0;
        std::uint64_t byteTotal = 0;
        MAP_FILE_PATH_SIZE sizes;
        void Add(std::string path, std::uint64_t size);
    };
    struct PendingFolder {
        unsigned depth = 0;
        std::string prefix;    // the folder's path ending in one separator
        std::string relative;  // below the root, for the root's open tree
        bool isLink = false;
    };

    // Puts the root back as the only folder waiting and forgets earlier folder counts.
    void RestartWalk();
    // Takes the next folder waiting; false when none is left.
    bool TakeFolder(PendingFolder& folder);
    // Lists folder\pattern once: files go to results (when given), subfolders join the walk
    // (when walkFolders).
    void Visit(const PendingFolder& folder, const std::string& pattern, Results* results,
               bool walkFolders);
    void FinishCount();
    _tagLevelSummary SummaryOf(const Results& results) const;

    FileSystem& fs_;
    std::string root_;
    // Opened again for every measurement; null when the root cannot be opened.
    std::unique_ptr<FolderTree> tree_;
    bool includeMain_ = false;
    // Folders are taken smallest depth first and, within a depth, in the order they were found;
    // every folder is one deeper than its parent, so a queue keeps that order.
    std::deque<PendingFolder> workList_;
    MAP_NIVO_FOLDER_COUNT histogram_;
    std::uint32_t folderCount_ = 1;
    Results all_;
    Results selected_;
};

}  // namespace arbovane
