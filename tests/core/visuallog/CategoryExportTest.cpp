#include <gtest/gtest.h>

#include "core/visuallog/CategoryExport.h"
#include "platform/posix/IcuText.h"

namespace arbovane {
namespace {

using Lines = std::vector<std::string>;

TEST(CategoryExportLines, KeepsEachDriveLineOnceInOrder) {
    const IcuText text;
    const struct {
        const char* what;
        Lines category;
        Lines exported;
    } cases[] = {
        {"recorded twice", {"d:\\A", "d:\\B", "d:\\A"}, {"d:\\A", "d:\\B"}},
        {"letter case ignored, first spelling kept", {"D:\\Data", "d:\\DATA"}, {"D:\\Data"}},
        {"accented letters fold too",
         {"d:\\\xC3\x89t\xC3\xA9", "D:\\\xC3\xA9T\xC3\x89"},
         {"d:\\\xC3\x89t\xC3\xA9"}},
        {"relative paths and names never leave", {"\\A\\B", "name", "d:\\C"}, {"d:\\C"}},
        {"all without a drive", {"\\A", "\\B"}, {}},
        {"blanks around the drive are allowed and kept", {"  d:\\x  "}, {"  d:\\x  "}},
        {"network shares have a drive part", {"\\\\server\\share\\x"}, {"\\\\server\\share\\x"}},
        {"a lone backslash pair is no share", {"\\\\"}, {"\\\\"}},
        {"blank lines", {"", "   "}, {}},
        {"empty", {}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CategoryExportLines(text, c.category), c.exported) << c.what;
}

}  // namespace
}  // namespace arbovane
