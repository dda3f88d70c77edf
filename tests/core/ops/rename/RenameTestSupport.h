#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/ops/rename/RenameNames.h"
#include "core/undo/UndoJournal.h"
#include "core/visuallog/VisualLog.h"
#include "support/ScriptedMessenger.h"
#include "support/TempDrives.h"

// Helpers shared by the rename tests of core, undo and gui.
namespace arbovane::testing {

using Lines = std::vector<std::string>;

inline RenameFields Affixes(std::string prefix, std::string first, std::string second,
                            std::string suffix) {
    RenameFields fields;
    fields.prefix = std::move(prefix);
    fields.firstDelimiter = std::move(first);
    fields.secondDelimiter = std::move(second);
    fields.suffix = std::move(suffix);
    return fields;
}

inline RenameFields NewName(std::string name) {
    RenameFields fields;
    fields.method = RenameMethod::ReplaceLastName;
    fields.newName = std::move(name);
    // The other method's fields must not take part.
    fields.prefix = "P";
    fields.suffix = "S";
    return fields;
}

// Every folder and file below root, relative to it, sorted.
inline Lines HostTree(const std::string& root) {
    Lines tree;
    const auto host = testing::TempDrives::HostPathOf(root);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(host))
        tree.push_back(
            testing::TempDrives::HostTextOf(std::filesystem::relative(entry.path(), host)));
    std::sort(tree.begin(), tree.end());
    return tree;
}

// The rename log as one list, category by category, each counter checked against its list. With
// a journal, renamed entries show the pair recorded for them ("old > new").
inline Lines Outcomes(const VisualLog& log, const RenameJournal* journal = nullptr) {
    Lines all;
    const struct {
        Vol06Category category;
        Vol06Counter counter;
        const char* tag;
    } kinds[] = {
        {Vol06Category::FoldersRenamed, Vol06Counter::FoldersRenamed, "renamed "},
        {Vol06Category::FoldersSourceNotExists, Vol06Counter::FoldersSourceNotExists, "gone "},
        {Vol06Category::FoldersDestinationExists, Vol06Counter::FoldersDestinationExists,
         "exists "},
        {Vol06Category::FoldersOtherReasons, Vol06Counter::FoldersOtherReasons, "other "},
        {Vol06Category::FoldersFailedUndo, Vol06Counter::FailedUndo, "failed undo "},
    };
    for (const auto& kind : kinds) {
        const Lines& lines = log.Lines(kind.category);
        EXPECT_EQ(log.Counter(kind.counter), lines.size()) << kind.tag;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            std::string entry = kind.tag + lines[i];
            if (journal && kind.category == Vol06Category::FoldersRenamed) {
                const auto& pairs = journal->RenamedPairs;
                entry = i < pairs.size() && pairs[i].NewPath == lines[i]
                            ? kind.tag + pairs[i].OldPath + " > " + lines[i]
                            : entry + " (not journaled)";
            }
            all.push_back(entry);
        }
    }
    if (journal && journal->RenamedPairs.size() != log.Lines(Vol06Category::FoldersRenamed).size())
        all.push_back("journal holds " + std::to_string(journal->RenamedPairs.size()));
    return all;
}

inline void ExpectBox(const ScriptedMessenger& messenger, std::size_t index,
                      const std::string& text, const std::string& title, int flags) {
    ASSERT_GT(messenger.Shown().size(), index);
    const ShownMessage& box = messenger.Shown()[index];
    EXPECT_EQ(box.text, text) << index;
    EXPECT_EQ(box.title, title) << index;
    EXPECT_EQ(box.flags, flags) << index;
}

}  // namespace arbovane::testing
