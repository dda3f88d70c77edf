#pragma once

#include <string>

#include "core/ops/NameParts.h"

namespace arbovane {

class FileSystem;
struct _tagReplaceFoldersStruct;

enum class RenameMethod { AddPrefixSuffix, ReplaceLastName };

// The method frame of the rename tab, with the field texts as typed.
struct RenameFields {
    RenameMethod method = RenameMethod::AddPrefixSuffix;
    std::string prefix;
    std::string firstDelimiter;
    std::string secondDelimiter;
    std::string suffix;
    std::string newName;
};

// A folder path split for renaming: the parent without trailing backslashes and the last name.
struct RenameSource {
    std::string path;    // the folder itself: separators as backslashes, no trailing ones
    std::string parent;  // everything before the last backslash
    std::string name;    // the last component
};

// Splits a line at its last backslash after dropping trailing separators, so "d:\Jobs\Smith\"
// names Smith itself. A dot in the last component means nothing here: "d:\Projects\Smith.Jones"
// is the folder Smith.Jones, renamed where it is, never moved beside its parent.
RenameSource SplitRenameSource(const std::string& line);

// False for what a rename must never move: no drive part, a drive or share root, a path without
// a name after its drive, or a "." or ".." component (it would rename some other folder).
bool IsRenameableFolder(const RenameSource& source);

// The parts of the new path of one folder under the fields' method. The prefix, delimiters and
// suffix are trimmed of blanks and control characters; the new name is taken as typed.
_tagVol0XParts BuildNameParts(const std::string& line, const RenameFields& fields);
std::string BuildNewPath(const std::string& line, const RenameFields& fields);

// True when target is a plain new name in the source's own parent: no separator, no "." or "..",
// no character a folder name cannot hold. Fields are checked as they are typed; this keeps text
// that bypassed that check from moving a folder anywhere else.
bool IsRenameInPlace(const RenameSource& source, const std::string& target);

// What the tab's Preview shows for one include line: the folder as the run takes it, and the path
// it will have. Both empty for a blank line.
struct RenamePreview {
    std::string before;
    std::string after;
    bool operator==(const RenamePreview&) const = default;
};
RenamePreview PreviewRename(const std::string& line, const RenameFields& fields);

// True for a rename the run can have made: both paths name a folder by a plain name in one
// parent. Undo takes back nothing else, whatever a journal holds.
bool IsRenamePair(const _tagReplaceFoldersStruct& pair);

// True when target is the source folder itself under a new letter case (Delta to DELTA) on a
// volume that ignores case: the file system finds the source under the new spelling. Windows
// renames such a folder; it is no collision.
bool IsCaseOnlyRename(FileSystem& fs, const RenameSource& source, const std::string& target);

}  // namespace arbovane
