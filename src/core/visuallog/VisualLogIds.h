#pragma once

#include <type_traits>

namespace arbovane {

// The six operation tabs that have a Visual Log.
enum class VisualLogTab { Vol08, Vol07, Vol06, Vol02, Vol04, Vol03 };

enum class VisualLogMode { Normal, Simulate };

// Tabs whose logs have the same counters and categories; the three creation tabs share one set.
enum class VisualLogFamily { Copy, Delete, Rename, Creation };

// Counters and categories in the order of their layout tables. Engines address a log through these
// enums; a log rejects an enum of another family.

enum class Vol08Counter {
    FoldersToCopy,
    SubFoldersToCopy,
    FilesToCopy,
    FileSizeToCopy,
    FoldersCopied,
    SubFoldersCopied,
    FilesCopied,
    FileSizeCopied,
    FoldersNotExists,
    SubFoldersExists,
    FilesExists,
    FileSizeExists,
    SubFoldersOtherReasons,
    FailedUndo,  // no label shows it
};

enum class Vol08Category {
    FoldersCopied,
    SubFoldersCopied,
    FilesCopied,
    FoldersNotExists,
    SubFoldersExists,
    FilesExists,
    SubFoldersOtherReasons,
    SubFoldersFailedUndo,
};

enum class Vol07Counter {
    FoldersToDelete,
    FoldersDeleted,
    FoldersNotExists,
    FoldersOtherReasons,
    FilesToDelete,
    FilesDeleted,
    FilesNotExists,
    FilesOtherReasons,
};

enum class Vol07Category {
    FoldersDeleted,
    FoldersNotExists,
    FoldersOtherReasons,
    FilesDeleted,
    FilesNotExists,
    FilesOtherReasons,
};

enum class Vol06Counter {
    FoldersToRename,
    FoldersRenamed,
    FoldersSourceNotExists,
    FoldersDestinationExists,
    FoldersOtherReasons,
    FailedUndo,  // no label shows it
};

enum class Vol06Category {
    FoldersRenamed,
    FoldersSourceNotExists,
    FoldersDestinationExists,
    FoldersOtherReasons,
    FoldersFailedUndo,
};

// Vol02, Vol04 and Vol03.
enum class CreationCounter {
    FoldersToCreate,
    SubFoldersToCreate,
    FilesToCreate,
    FilesSizeToCreate,
    FoldersCreated,
    SubFoldersCreated,
    FilesCreated,
    FilesSizeCreated,
    FoldersExists,
    FoldersOther,
    FailedUndo,  // no label shows it
};

enum class CreationCategory {
    FoldersCreated,
    SubFoldersCreated,
    FilesCreated,
    FoldersExists,
    FoldersOther,
    FoldersFailedUndo,
};

template <typename Id>
struct VisualLogFamilyOf;
template <>
struct VisualLogFamilyOf<Vol08Counter>
    : std::integral_constant<VisualLogFamily, VisualLogFamily::Copy> {};
template <>
struct VisualLogFamilyOf<Vol08Category>
    : std::integral_constant<VisualLogFamily, VisualLogFamily::Copy> {};
template <>
struct VisualLogFamilyOf<Vol07Counter>
    : std::integral_constant<VisualLogFamily, VisualLogFamily::Delete> {};
template <>
struct VisualLogFamilyOf<Vol07Category>
    : std::integral_constant<VisualLogFamily, VisualLogFamily::Delete> {};
template <>
struct VisualLogFamilyOf<Vol06Counter>
    : std::integral_constant<VisualLogFamily, VisualLogFamily::Rename> {};
template <>
struct VisualLogFamilyOf<Vol06Category>
    : std::integral_constant<VisualLogFamily, VisualLogFamily::Rename> {};
template <>
struct VisualLogFamilyOf<CreationCounter>
    : std::integral_constant<VisualLogFamily, VisualLogFamily::Creation> {};
template <>
struct VisualLogFamilyOf<CreationCategory>
    : std::integral_constant<VisualLogFamily, VisualLogFamily::Creation> {};

template <typename Id>
concept VisualLogCounterId = std::is_same_v<Id, Vol08Counter> || std::is_same_v<Id, Vol07Counter> ||
    std::is_same_v<Id, Vol06Counter> || std::is_same_v<Id, CreationCounter>;

template <typename Id>
concept VisualLogCategoryId =
    std::is_same_v<Id, Vol08Category> || std::is_same_v<Id, Vol07Category> ||
    std::is_same_v<Id, Vol06Category> || std::is_same_v<Id, CreationCategory>;

}  // namespace arbovane
