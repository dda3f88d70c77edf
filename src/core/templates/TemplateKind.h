#pragma once

namespace arbovane {

// What a tab attaches to each of its folders; the journal marker of a run says the same.
enum class TemplateKind {
    Nothing,   // "N", creation tabs only
    FullPath,  // "F", existing folder trees
    Relative,  // "R", folder paths from text
};

// Whether a full-path template's top folder and its files come along. None is what the relative
// kind leaves checked.
enum class AttachMode {
    None,
    MainFolderWithFiles,
    MainFolderWithoutFiles,
    SubFoldersOnlyWithFiles,
    SubFoldersOnlyWithoutFiles,
};

constexpr bool WithFiles(AttachMode mode) {
    return mode == AttachMode::MainFolderWithFiles || mode == AttachMode::SubFoldersOnlyWithFiles;
}
constexpr bool WithMainFolder(AttachMode mode) {
    return mode == AttachMode::MainFolderWithFiles || mode == AttachMode::MainFolderWithoutFiles;
}

// The four tabs that have a template list.
enum class TemplateTab { Vol08, Vol02, Vol04, Vol03 };

}  // namespace arbovane
