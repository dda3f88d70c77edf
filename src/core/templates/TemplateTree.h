#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace arbovane {

class FileSystem;
class FolderTree;

// A full-path template as it was when it was read. The attach walk copies this picture, so what
// a run creates meanwhile (a destination inside the template's own tree) is never walked, and the
// to-do counters, the run and its simulation see the same entries.
class TemplateTree {
public:
    enum class ChildKind {
        Folder,         // walked; `folder` is its index
        FolderLink,     // a link to a folder: never entered, never copied
        Unaddressable,  // a folder name Windows would read as another name (trailing period, blank)
    };
    struct Child {
        std::string name;
        ChildKind kind = ChildKind::Folder;
        std::size_t folder = 0;
    };
    struct File {
        std::string name;
        std::uint64_t size = 0;
        // A link, or a name Windows would read as another name: never copied.
        bool refused = false;
    };
    struct Folder {
        std::string relative;  // below the root: empty for the root, "A\B" further down
        bool listed = true;    // false when it could not be listed; it then has no entries
        std::vector<Child> children;
        std::vector<std::vector<File>> files;  // per pattern, in pattern order
    };

    // Reads the tree breadth-first below root (blanks trimmed). With no patterns no file is read.
    static TemplateTree Read(FileSystem& fs, const std::string& root,
                             const std::vector<std::string>& patterns);

    const std::string& Root() const { return root_; }
    // Breadth-first; the root first.
    const std::vector<Folder>& Folders() const { return folders_; }
    std::string SourceFolder(const Folder& folder) const;
    std::string SourcePath(const Folder& folder, const std::string& name) const;
    // The template's open tree, which the copy reads its files from; null when it could not be
    // opened.
    FolderTree* Source() const { return source_.get(); }

    // Entries that get a folder outcome: folders, links to folders and unaddressable folder names,
    // the root only when asked.
    std::uint32_t FolderCount(bool withRoot) const;
    // File entries over every pattern, a file matching two patterns twice.
    std::uint32_t FileCount() const;
    // Bytes of the files that would be copied.
    std::uint64_t ByteTotal() const;
    // Bytes one copy of the tree really writes: a file matching two patterns counts once.
    std::uint64_t WrittenBytes() const;

private:
    std::string root_;
    std::string prefix_;  // the root with one trailing backslash
    std::vector<Folder> folders_;
    std::shared_ptr<FolderTree> source_;
};

// Whether Windows would read the name as another one: it ends in a period or a blank.
bool IsUnaddressableName(const std::string& name);

}  // namespace arbovane
