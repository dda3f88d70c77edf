#include <gtest/gtest.h>

#include "core/visuallog/CategoryExport.h"

namespace arbovane {
namespace {

using Lines = std::vector<std::string>;

// Repeated lines go in the export dialog, which keeps each line once.
TEST(CategoryExportLines, KeepsTheDriveLinesInOrder) {
    const struct {
        const char* what;
        Lines category;
        Lines exported;
    } cases[] = {
        {"recorded twice", {"d:\\A", "d:\\B", "d:\\A"}, {"d:\\A", "d:\\B", "d:\\A"}},
        {"relative paths and names never leave", {"\\A\\B", "name", "d:\\C"}, {"d:\\C"}},
        {"all without a drive", {"\\A", "\\B"}, {}},
        {"blanks around the drive are allowed and kept", {"  d:\\x  "}, {"  d:\\x  "}},
        {"network shares have a drive part", {"\\\\server\\share\\x"}, {"\\\\server\\share\\x"}},
        {"a lone backslash pair is no share", {"\\\\"}, {"\\\\"}},
        {"blank lines", {"", "   "}, {}},
        {"empty", {}, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(CategoryExportLines(c.category), c.exported) << c.what;
}

}  // namespace
}  // namespace arbovane
