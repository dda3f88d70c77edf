#include "core/ops/rename/RenameNames.h"

#include "core/paths/Arbsplit.h"
#include "core/paths/BlankTrim.h"
#include "core/paths/PathText.h"
#include "core/undo/UndoJournal.h"
#include "platform/FileSystem.h"

namespace arbovane {

namespace {

std::string WithoutTrailingSeparators(std::string path) {
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

bool IsDotName(const std::string& name) {
    return name == "." || name == "..";
}

}  // namespace

RenameSource SplitRenameSource(const std::string& line) {
    RenameSource source;
    source.path = WithoutTrailingSeparators(WithBackslashes(line));
    const auto slash = source.path.rfind('\\');
    if (slash == std::string::npos) {
        source.name = source.path;
        return source;
    }
    source.parent = source.path.substr(0, slash);
    source.name = source.path.substr(slash + 1);
    return source;
}

bool IsRenameableFolder(const RenameSource& source) {
    const std::string drive = ExtractDrive(source.path);
    if (drive.empty() || source.path.size() <= drive.size()) return false;
    // The last backslash must lie past the drive part: "\\server\share" alone has one inside it.
    if (source.parent.size() < drive.size() || source.name.empty()) return false;
    std::size_t start = drive.size();
    while (start <= source.path.size()) {
        const auto end = source.path.find('\\', start);
        const std::string part =
            source.path.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (IsDotName(part)) return false;
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return true;
}

_tagVol0XParts BuildNameParts(const std::string& line, const RenameFields& fields) {
    const RenameSource source = SplitRenameSource(line);
    _tagVol0XParts parts;
    parts.Head = WithoutTrailingSeparators(source.parent) + "\\";
    if (fields.method == RenameMethod::ReplaceLastName) {
        parts.Core = fields.newName;
        return parts;
    }
    // The delimiters are used whether or not the prefix or suffix beside them is empty.
    parts.Head +=
        TrimBlanksAndControls(fields.prefix) + TrimBlanksAndControls(fields.firstDelimiter);
    parts.Core = source.name;
    parts.SuffixHyphen = TrimBlanksAndControls(fields.secondDelimiter);
    parts.Suffix = TrimBlanksAndControls(fields.suffix);
    return parts;
}

std::string BuildNewPath(const std::string& line, const RenameFields& fields) {
    const _tagVol0XParts parts = BuildNameParts(line, fields);
    return parts.Head + parts.Core + parts.SuffixHyphen + parts.Suffix;
}

bool IsRenameInPlace(const RenameSource& source, const std::string& target) {
    if (target.find('/') != std::string::npos) return false;
    const RenameSource renamed = SplitRenameSource(target);
    // A trailing separator would hide a name that is not the last component.
    if (renamed.path != target) return false;
    if (WithoutTrailingSeparators(renamed.parent) != WithoutTrailingSeparators(source.parent))
        return false;
    if (renamed.name.empty() || IsDotName(renamed.name)) return false;
    std::string found;
    return renamed.name.find(':') == std::string::npos &&
           !FindIllegalChars('N', renamed.name, found);
}

RenamePreview PreviewRename(const std::string& line, const RenameFields& fields) {
    const std::string trimmed = TrimBlanksAndControls(line);
    if (trimmed.empty()) return {};
    const RenameSource source = SplitRenameSource(trimmed);
    return {source.path, BuildNewPath(source.path, fields)};
}

bool IsRenamePair(const _tagReplaceFoldersStruct& pair) {
    const RenameSource renamed = SplitRenameSource(pair.NewPath);
    return renamed.path == pair.NewPath && IsRenameableFolder(renamed) &&
           IsRenameInPlace(renamed, pair.OldPath);
}

bool IsCaseOnlyRename(FileSystem& fs, const RenameSource& source, const std::string& target) {
    const RenameSource renamed = SplitRenameSource(target);
    if (renamed.parent != source.parent || renamed.path != target || renamed.name == source.name)
        return false;
    return fs.SameEntry(source.path, renamed.path);
}

}  // namespace arbovane
