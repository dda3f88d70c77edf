#include <gtest/gtest.h>

#include <string>

#include "HostBackend.h"
#include "core/templates/TemplateOptions.h"

namespace arbovane {
namespace {

TEST(TemplateOptions, OptionForAKeyWithoutEntryIsReplaceNo) {
    MAP_FOLDER_TEMPLATE_OPTIONS store;
    EXPECT_EQ(TemplateOptionFor(store, kTemplateKeyVol08), TemplateOption::ReplaceNo);
    store[kTemplateKeyVol08].option = TemplateOption::ReplaceAll;
    store[kTemplateKeyVol02].option = TemplateOption::ReplaceFirst;
    EXPECT_EQ(TemplateOptionFor(store, 4), TemplateOption::ReplaceAll);
    EXPECT_EQ(TemplateOptionFor(store, 2), TemplateOption::ReplaceFirst);
    EXPECT_EQ(TemplateOptionFor(store, 1), TemplateOption::ReplaceNo);
}

struct TransformCase {
    TemplateOption option;
    const char* line;
    const char* include;
    const char* expected;
};

TEST(TemplateOptions, TransformTemplateLine) {
    const HostText text;
    const TransformCase cases[] = {
        {TemplateOption::ReplaceNo, "\\Project\\Plans", "d:\\W", "\\Project\\Plans"},
        {TemplateOption::ReplaceNo, "/a//b", "d:\\W", "/a//b"},
        {TemplateOption::ReplaceFirst, "\\Project\\Plans\\2024", "d:\\W", "\\Plans\\2024"},
        {TemplateOption::ReplaceFirst, "\\Project", "d:\\W", ""},
        {TemplateOption::ReplaceFirst, "/Project/Plans", "d:\\W", "\\Plans"},
        {TemplateOption::ReplaceFirst, "d:\\Project\\Plans", "d:\\W", "\\Plans"},
        {TemplateOption::ReplaceFirst, "Project\\Plans", "d:\\W", "\\Plans"},
        {TemplateOption::ReplaceAll, "\\Project\\Project Docs\\Old-project", "d:\\Clients\\Acme",
         "\\Acme Docs\\Old-Acme"},
        {TemplateOption::ReplaceAll, "\\Project", "d:\\Clients\\Acme", ""},
        {TemplateOption::ReplaceAll, "\\P\\x\\P", "d:\\C\\ Pp ", "\\x\\Pp"},
        // A replacement that holds the name again is not replaced once more.
        {TemplateOption::ReplaceAll, "\\a\\a\\a", "d:\\aa", "\\aa\\aa"},
        {TemplateOption::ReplaceAll, "\\\xC3\x89t\xC3\xA9\\\xC3\xA9T\xC3\x89-x", "d:\\N", "\\N-x"},
        // An empty first folder replaces nothing.
        {TemplateOption::ReplaceAll, "\\\\A\\B", "d:\\N", "\\A\\B"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TransformTemplateLine(text, c.option, c.line, c.include), c.expected)
            << c.line << " / " << c.include;
}

TEST(TemplateOptions, JoinTemplatePath) {
    const struct {
        const char* include;
        const char* relative;
        const char* expected;
    } cases[] = {
        {"d:\\Clients\\Acme", "\\Project\\Plans", "d:\\Clients\\Acme\\Project\\Plans"},
        {"d:\\Work\\", "\\A\\B", "d:\\Work\\A\\B"},
        {"d:/Work", "//A///B/", "d:\\Work\\A\\B"},
        {"d::\\W", "\\A", "d:\\W\\A"},
        {"d:\\W", "\\A:B", ""},
        {"d:\\W", "\\..\\X", ""},
        {"d:\\W", "\\A\\.\\X", ""},
        {"d:\\W", "\\A\\ .. ", ""},
        {"d:\\W", "\\A..\\X", "d:\\W\\A..\\X"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JoinTemplatePath(c.include, c.relative), c.expected)
            << c.include << " + " << c.relative;
}

}  // namespace
}  // namespace arbovane
