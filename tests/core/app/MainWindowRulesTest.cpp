#include "core/app/MainWindowRules.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "HostBackend.h"
#include "support/TimeLimit.h"

namespace arbovane {
namespace {

using Lines = std::vector<std::string>;

TEST(DestinationComboItems, EachRememberedFolderOnceInStoredOrder) {
    const HostText text;
    const struct {
        const char* what;
        Lines remembered;
        Lines items;
    } cases[] = {
        {"empty", {}, {}},
        {"empty entries never show", {"", "d:\\A", ""}, {"d:\\A"}},
        {"a repeat in another letter case keeps the first spelling",
         {"d:\\Data", "D:\\DATA", "e:\\x", "d:\\data"},
         {"d:\\Data", "e:\\x"}},
        {"accented letters too",
         {"d:\\\xC3\x89t\xC3\xA9", "D:\\\xC3\xA9T\xC3\x89"},
         {"d:\\\xC3\x89t\xC3\xA9"}},
        {"blanks and trailing separators count",
         {"d:\\A", " d:\\A", "d:\\A\\"},
         {"d:\\A", " d:\\A", "d:\\A\\"}},
        // Letters are lowered one by one, as names compare: no letter turns into two.
        {"a sharp s is no double s",
         {"d:\\Stra\xC3\x9F"
          "e",
          "D:\\STRASSE"},
         {"d:\\Stra\xC3\x9F"
          "e",
          "D:\\STRASSE"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DestinationComboItems(text, c.remembered), c.items) << c.what;
}

TEST(DestinationComboItems, AHundredThousandEntriesAreNotComparedPairByPair) {
    const HostText text;
    Lines remembered;
    for (int i = 0; i < 100000; ++i) remembered.push_back("d:\\Dest\\" + std::to_string(i));
    remembered.push_back("D:\\DEST\\7");
    const auto start = std::chrono::steady_clock::now();
    const Lines items = DestinationComboItems(text, remembered);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(items.size(), 100000u);
    EXPECT_LT(seconds.count(), 2.0 * testing::kTimeLimitScale);
}

TEST(TakeDestinations, TheBoxesItemsOrTheStoredListWhenEmpty) {
    Lines stored = {"d:\\Old"};
    TakeDestinations({}, stored);
    EXPECT_EQ(stored, Lines{"d:\\Old"});
    TakeDestinations({"d:\\New", "e:\\Other"}, stored);
    EXPECT_EQ(stored, (Lines{"d:\\New", "e:\\Other"}));
}

}  // namespace
}  // namespace arbovane
