#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "HostBackend.h"
#include "core/acquire/MarkLists.h"

namespace arbovane {
namespace {

using Lines = std::vector<std::string>;

const Lines kDelimiterBuiltIns = {",", ";", "space", "\"", "'", "|", "~", ":", "#",
                                  "&", "@", "$",     "<",  ">", ".", "-", "_"};
const Lines kQuotationBuiltIns = {",", ";", "space", "\",", "'", "|", "~", ":", "#",
                                  "&", "@", "$",     "<",   ">", ".", "-", "_"};

Lines Numbered(std::size_t count, const std::string& prefix = "m") {
    Lines lines;
    lines.reserve(count);
    for (std::size_t i = 0; i < count; ++i) lines.push_back(prefix + std::to_string(i));
    return lines;
}

void ExpectMessage(const std::optional<ListMessage>& shown, const std::string& text,
                   const std::string& title, int flags) {
    ASSERT_TRUE(shown.has_value()) << title;
    EXPECT_EQ(shown->text, text);
    EXPECT_EQ(shown->title, title);
    EXPECT_EQ(shown->flags, flags);
}

class MarkListsTest : public ::testing::Test {
protected:
    // Excluded gets the parked marks (through activations and ">>", a full list at a time),
    // included the given ones.
    MarkLists Make(const Lines& included, const Lines& excluded = {},
                   MarkKind kind = MarkKind::Delimiters) {
        MarkLists lists(kind, text_);
        Park(lists, excluded);
        lists.Activate(included);
        return lists;
    }
    static void Park(MarkLists& lists, const Lines& marks) {
        for (std::size_t first = 0; first < marks.size(); first += MarkLists::kLimit) {
            const std::size_t last = std::min(marks.size(), first + MarkLists::kLimit);
            lists.Activate(Lines(marks.begin() + first, marks.begin() + last));
            lists.MoveAllToExcluded();
        }
    }

    HostText text_;
};

TEST_F(MarkListsTest, ActivationTakesTheStoredListOrTheBuiltInMarks) {
    MarkLists delimiters(MarkKind::Delimiters, text_);
    delimiters.Activate({});
    EXPECT_EQ(delimiters.Included(), kDelimiterBuiltIns);
    EXPECT_EQ(delimiters.WorkingMarks(), kDelimiterBuiltIns);

    MarkLists quotes(MarkKind::QuotationMarks, text_);
    quotes.Activate({});
    EXPECT_EQ(quotes.Included(), kQuotationBuiltIns);

    // A later activation keeps what the list holds and appends only what it lacks.
    MarkLists lists = Make({"a", "B"});
    std::string field = "x";
    ASSERT_FALSE(lists.Add(field));
    lists.Activate({"b", "c", "A"});
    EXPECT_EQ(lists.Included(), (Lines{"a", "B", "x", "c"}));
    EXPECT_EQ(lists.WorkingMarks(), (Lines{"b", "c", "A"}));
}

TEST_F(MarkListsTest, ActivationStopsAtTheCapacity) {
    MarkLists lists = Make(Numbered(30005));
    EXPECT_EQ(lists.Included().size(), 30000u);
    EXPECT_EQ(lists.Included().back(), "m29999");
}

TEST_F(MarkListsTest, AddRefusesWithItsMessages) {
    const struct {
        std::string typed;
        const char* text;
        const char* title;
    } cases[] = {
        {"",
         "The text field is empty !\nAction : You must enter some text to add to the Include List.",
         "Delimiters.            Warning no: 0122."},
        {" \t\r\n",
         "The text field is empty !\nAction : You must enter some text to add to the Include List.",
         "Delimiters.            Warning no: 0122."},
        {"AB", "This item is already exist in the Include list !",
         "Delimiters.            Warning no: 0123."},
        {"Parked", "This item is already exist in the Exclude list !",
         "Delimiters.            Warning no: 0124."},
    };
    for (const auto& c : cases) {
        MarkLists lists = Make({"ab"}, {"parked"});
        std::string field = c.typed;
        ExpectMessage(lists.Add(field), c.text, c.title, 48);
        EXPECT_EQ(field, c.typed);
        EXPECT_EQ(lists.Included(), Lines{"ab"});
    }
}

TEST_F(MarkListsTest, AddStoresTheTrimmedMarkAndComparesTheTypedText) {
    MarkLists lists = Make({"ab"});
    std::string field = " ;\t ";
    EXPECT_FALSE(lists.Add(field));
    EXPECT_EQ(field, ";");
    // A padded copy is not found as typed, so it goes in a second time.
    field = "ab  ";
    EXPECT_FALSE(lists.Add(field));
    EXPECT_EQ(field, "ab");
    EXPECT_EQ(lists.Included(), (Lines{"ab", ";", "ab"}));
}

TEST_F(MarkListsTest, AddRefusesAtTheLimit) {
    MarkLists lists = Make(Numbered(29999));
    std::string field = "last";
    EXPECT_FALSE(lists.Add(field));
    field = "one more";
    ExpectMessage(lists.Add(field), "The limit is 30000",
                  "Delimiters.            Warning no: 0121.", 48);
    EXPECT_EQ(lists.Included().size(), 30000u);
}

TEST_F(MarkListsTest, SelectedMovesSkipDrivesAndDuplicates) {
    MarkLists lists = Make({"a", "d:", "b", "c"}, {"B"});
    lists.MoveSelectedToExcluded({3, 0, 1, 2, 2, 99});
    EXPECT_EQ(lists.Included(), Lines{"d:"});
    EXPECT_EQ(lists.Excluded(), (Lines{"B", "a", "c"}));

    lists.Activate({"e: ", "a"});
    EXPECT_EQ(lists.Included(), (Lines{"d:", "e: ", "a"}));
    ASSERT_FALSE(lists.MoveSelectedToIncluded({0, 1}));
    EXPECT_EQ(lists.Included(), (Lines{"d:", "e: ", "a", "B"}));
    EXPECT_EQ(lists.Excluded(), Lines{"c"});
}

TEST_F(MarkListsTest, AllMovesAndExchangeKeepDrivesInPlace) {
    MarkLists lists = Make({"a", "x:", "b"}, {"c", "A"});
    lists.MoveAllToExcluded();
    EXPECT_EQ(lists.Included(), Lines{"x:"});
    EXPECT_EQ(lists.Excluded(), (Lines{"c", "A", "b"}));

    ASSERT_FALSE(lists.MoveAllToIncluded());
    EXPECT_EQ(lists.Included(), (Lines{"x:", "c", "A", "b"}));
    EXPECT_TRUE(lists.Excluded().empty());

    lists.MoveSelectedToExcluded({1});
    ASSERT_FALSE(lists.ExchangeLists());
    EXPECT_EQ(lists.Included(), (Lines{"x:", "c"}));
    EXPECT_EQ(lists.Excluded(), (Lines{"A", "b"}));
}

TEST_F(MarkListsTest, ExchangeSwapsWithoutDuplicates) {
    MarkLists lists = Make({"a", "b"}, {"c"});
    std::string field = "a ";
    ASSERT_FALSE(lists.Add(field));
    ASSERT_FALSE(lists.ExchangeLists());
    EXPECT_EQ(lists.Included(), Lines{"c"});
    EXPECT_EQ(lists.Excluded(), (Lines{"a", "b"}));
}

TEST_F(MarkListsTest, LimitsOfTheMovesToTheIncludedList) {
    const char* selectedTitle = "Managing Delimiters.            Warning no: 0125.";
    {
        MarkLists lists = Make(Numbered(29999), {"x", "y"});
        ExpectMessage(lists.MoveSelectedToIncluded({0, 1}), "The Limit is 30,000 Delimiters",
                      selectedTitle, 48);
        EXPECT_EQ(lists.Included().size(), 29999u);
        EXPECT_EQ(lists.Excluded(), (Lines{"x", "y"}));
        ASSERT_FALSE(lists.MoveSelectedToIncluded({1}));
        EXPECT_EQ(lists.Included().size(), 30000u);
        EXPECT_EQ(lists.Included().back(), "y");
        EXPECT_EQ(lists.Excluded(), Lines{"x"});
    }
    {
        // Marks already included do not count against the limit of "<<".
        MarkLists lists = Make(Numbered(29999), {"m0", "m1", "x", "y"});
        ExpectMessage(lists.MoveAllToIncluded(), "The limit is 30,000 Delimiters",
                      "Managing Delimiters.            Warning no: 0126.", 48);
        EXPECT_EQ(lists.Excluded().size(), 4u);
        lists.DeleteSelectedExcluded({3});
        ASSERT_FALSE(lists.MoveAllToIncluded());
        EXPECT_EQ(lists.Included().size(), 30000u);
        EXPECT_TRUE(lists.Excluded().empty());
    }
    {
        MarkLists lists = Make({"a"}, Numbered(30001));
        ExpectMessage(lists.ExchangeLists(), "The limit is 30,000 Delimiters",
                      "Managing Delimiters.            Warning no: 0127.", 48);
        EXPECT_EQ(lists.Included(), Lines{"a"});
        EXPECT_EQ(lists.Excluded().size(), 30001u);
        lists.DeleteSelectedExcluded({0});
        ASSERT_FALSE(lists.ExchangeLists());
        EXPECT_EQ(lists.Included().size(), 30000u);
        EXPECT_EQ(lists.Excluded(), Lines{"a"});
    }
}

TEST_F(MarkListsTest, DeletingFromTheExcludedList) {
    MarkLists lists = Make({"keep"}, {"a", "b", "c", "d"});
    lists.DeleteSelectedExcluded({3, 1, 1});
    EXPECT_EQ(lists.Excluded(), (Lines{"a", "c"}));
    lists.RemoveAllExcluded();
    EXPECT_TRUE(lists.Excluded().empty());
    EXPECT_EQ(lists.Included(), Lines{"keep"});
    // A deleted mark can be added again.
    std::string field = "B";
    EXPECT_FALSE(lists.Add(field));
}

TEST_F(MarkListsTest, QuestionsAndTitlesOfBothWindows) {
    const struct {
        MarkKind kind;
        const char* deleteTitle;
        const char* removeTitle;
        const char* emptyTitle;
        const char* limitText;
        const char* limitTitle;
    } cases[] = {
        {MarkKind::Delimiters, "Managing Delimiters.            Warning no: 0128.",
         "Managing Delimiters.            Warning no: 0129.",
         "Delimiters.            Warning no: 0122.", "The limit is 30,000 Delimiters",
         "Managing Delimiters.            Warning no: 0127."},
        {MarkKind::QuotationMarks, "Managing QuotationMarks.            Warning no: 0128.",
         "Managing QuotationMarks.            Warning no: 0129.",
         "QuotationMarks.            Warning no: 0122.", "The limit is 30,000 QuotationMarks",
         "Managing QuotationMarks.            Warning no: 0127."},
    };
    for (const auto& c : cases) {
        MarkLists lists(c.kind, text_);
        ExpectMessage(lists.DeleteSelectedQuestion(),
                      "Do you want to delete selected delimiter(s) from the Exclude list ?",
                      c.deleteTitle, 292);
        ExpectMessage(lists.RemoveAllQuestion(),
                      "Do you want to remove (delete) all delimiter(s) from the Exclude list ?",
                      c.removeTitle, 292);
        std::string field = "  ";
        ExpectMessage(lists.Add(field),
                      "The text field is empty !\nAction : You must enter some text to add to "
                      "the Include List.",
                      c.emptyTitle, 48);
        Park(lists, Numbered(30001));
        lists.Activate({"z"});
        ExpectMessage(lists.ExchangeLists(), c.limitText, c.limitTitle, 48);
    }
}

TEST_F(MarkListsTest, QuotationMarkLimitTexts) {
    MarkLists lists = Make(Numbered(30000), {"x"}, MarkKind::QuotationMarks);
    ExpectMessage(lists.MoveSelectedToIncluded({0}), "The Limit is 30,000 QuotationMarks",
                  "Managing QuotationMarks.            Warning no: 0125.", 48);
    ExpectMessage(lists.MoveAllToIncluded(), "The limit is 30,000 QuotationMarks",
                  "Managing QuotationMarks.            Warning no: 0126.", 48);
    std::string field = "y";
    ExpectMessage(lists.Add(field), "The limit is 30000",
                  "QuotationMarks.            Warning no: 0121.", 48);
}

TEST_F(MarkListsTest, SetDefaultsRestoresTheBuiltInMarks) {
    for (const auto kind : {MarkKind::Delimiters, MarkKind::QuotationMarks}) {
        MarkLists lists = Make({"only", "two"}, {"parked"}, kind);
        lists.SetDefaults();
        EXPECT_EQ(lists.Included(),
                  kind == MarkKind::Delimiters ? kDelimiterBuiltIns : kQuotationBuiltIns);
        EXPECT_TRUE(lists.Excluded().empty());
    }
}

}  // namespace
}  // namespace arbovane
