#include <gtest/gtest.h>

#include "core/ops/rename/RenameMessages.h"
#include "core/ops/rename/RenameTestSupport.h"

namespace arbovane {
namespace {

using testing::Affixes;
using testing::NewName;

TEST(BuildNewPath, ComposesTheNewPathUnderEitherMethod) {
    const struct {
        const char* line;
        RenameFields fields;
        const char* expected;
    } cases[] = {
        {"d:\\Jobs\\Smith", Affixes("X", "_", "-", "2010"), "d:\\Jobs\\X_Smith-2010"},
        {"d:\\Jobs\\Smith", Affixes("", "_", "", ""), "d:\\Jobs\\_Smith"},
        {"d:\\Jobs\\Smith", Affixes("", "", "", ""), "d:\\Jobs\\Smith"},
        {"d:\\Jobs\\Smith", Affixes("  X\t", " _ ", "\r-\n", " 2010 "), "d:\\Jobs\\X_Smith-2010"},
        {"d:\\Jobs\\Smith", NewName(" Arch ive "), "d:\\Jobs\\ Arch ive "},
        {"d:\\Jobs\\Smith", NewName(""), "d:\\Jobs\\"},
        {"d:\\Projects\\Smith.Jones", Affixes("X", "_", "", ""), "d:\\Projects\\X_Smith.Jones"},
        {"d:\\Jobs\\Smith\\\\", NewName("Archive"), "d:\\Jobs\\Archive"},
        {"d:/Jobs/Smith", Affixes("", "", "_", "old"), "d:\\Jobs\\Smith_old"},
        {"\\\\server\\share\\Smith", NewName("Archive"), "\\\\server\\share\\Archive"},
    };
    for (const auto& c : cases) EXPECT_EQ(BuildNewPath(c.line, c.fields), c.expected) << c.line;
}

TEST(IsRenameableFolder, RefusesRootsRelativePathsAndDotComponents) {
    for (const char* line : {"d:\\Jobs", "d:\\Jobs\\Smith\\", "\\\\server\\share\\Jobs"})
        EXPECT_TRUE(IsRenameableFolder(SplitRenameSource(line))) << line;
    for (const char* line : {"d:", "d:\\\\", "\\\\server\\share\\", "\\\\server", "\\Jobs",
                             "Jobs\\Smith", "", "d:Smith", "d:\\Jobs\\..", "d:\\.\\Smith"})
        EXPECT_FALSE(IsRenameableFolder(SplitRenameSource(line))) << line;
}

// The warnings themselves are checked where the fields are typed into.
TEST(TakeBackRefusedText, DropsOnlyTheRefusedCharacters) {
    const std::pair<const char*, const char*> cases[] = {
        {"ab?", "ab"},
        {"?", ""},
        {"", ""},
        // Typed inside the text, the character before it stays.
        {"ab?c", "abc"},
        // A paste may bring several.
        {"a:b|c", "abc"},
        {"*J\xC3\xB6", "J\xC3\xB6"}};
    for (const auto& [text, kept] : cases) EXPECT_EQ(TakeBackRefusedText(text), kept) << text;
}

}  // namespace
}  // namespace arbovane
