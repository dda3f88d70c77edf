#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/ops/delete/DeleteTabMode.h"
#include "core/templates/TemplateKind.h"
#include "core/templates/TemplateOptions.h"

namespace arbovane {

// The words a job file and the command line use for the tabs' choices.
template <typename Value>
struct NamedValue {
    const char* name;
    Value value;
};

inline constexpr NamedValue<DeleteTabMode> kDeleteModeNames[] = {
    {"subfolders", DeleteTabMode::SubfoldersOnly},
    {"complete", DeleteTabMode::Complete},
    {"files-in-tree", DeleteTabMode::FilesInTree},
    {"files-in-main-folder", DeleteTabMode::FilesInMainFolder},
};
// The copy tab's two kinds; the creation tabs can also attach nothing.
inline constexpr NamedValue<TemplateKind> kCopyKindNames[] = {
    {"full", TemplateKind::FullPath},
    {"relative", TemplateKind::Relative},
};
inline constexpr NamedValue<TemplateKind> kCreateKindNames[] = {
    {"nothing", TemplateKind::Nothing},
    {"full", TemplateKind::FullPath},
    {"relative", TemplateKind::Relative},
};
inline constexpr NamedValue<AttachMode> kAttachModeNames[] = {
    {"main-with-files", AttachMode::MainFolderWithFiles},
    {"main-without-files", AttachMode::MainFolderWithoutFiles},
    {"sub-with-files", AttachMode::SubFoldersOnlyWithFiles},
    {"sub-without-files", AttachMode::SubFoldersOnlyWithoutFiles},
};
inline constexpr NamedValue<TemplateOption> kTemplateOptionNames[] = {
    {"whole", TemplateOption::ReplaceNo},
    {"without-first", TemplateOption::ReplaceFirst},
    {"replace-first", TemplateOption::ReplaceAll},
};

template <typename Value, std::size_t N>
std::optional<Value> ValueNamed(const NamedValue<Value> (&table)[N], const std::string& name) {
    for (const auto& entry : table)
        if (name == entry.name) return entry.value;
    return std::nullopt;
}

template <typename Value, std::size_t N>
const char* NameOf(const NamedValue<Value> (&table)[N], Value value) {
    for (const auto& entry : table)
        if (entry.value == value) return entry.name;
    return "";
}

// "a, b or c", for a message that lists what a choice can be.
template <typename Value, std::size_t N>
std::string NamesOf(const NamedValue<Value> (&table)[N]) {
    std::string names;
    for (std::size_t i = 0; i < N; ++i)
        names += std::string(i == 0 ? "" : i + 1 == N ? " or " : ", ") + table[i].name;
    return names;
}

}  // namespace arbovane
