#include <gtest/gtest.h>

#include <cctype>
#include <random>

#include "core/paths/Arbsplit.h"
#include "core/paths/PathText.h"

namespace arbovane {
namespace {

// Random texts over the characters the path rules care about, plus arbitrary bytes.
std::string RandomText(std::mt19937& rng) {
    static const std::string alphabet = "ab:\\/ .*?\"|<>cD1\t";
    std::uniform_int_distribution<int> length(0, 40), pick(0, static_cast<int>(alphabet.size())),
        byte(0, 255);
    std::string text;
    for (int i = length(rng); i > 0; --i) {
        const int k = pick(rng);
        text += k == static_cast<int>(alphabet.size()) ? static_cast<char>(byte(rng)) : alphabet[k];
    }
    return text;
}

TEST(PathRulesFuzz, RandomInputKeepsTheInvariants) {
    std::mt19937 rng(20261209);
    for (int round = 0; round < 5000; ++round) {
        const std::string text = RandomText(rng);
        SCOPED_TRACE(::testing::Message() << "input [" << text << "]");

        const std::string normal = NormalisePath(text);
        EXPECT_EQ(normal.find('/'), std::string::npos);
        EXPECT_EQ(normal.find("\\\\", 1), std::string::npos);
        EXPECT_EQ(NormalisePath(normal), normal);

        std::string joined;
        for (const std::string& piece : SplitFullPaths(text)) {
            ASSERT_GE(piece.size(), 2u);
            EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(piece[0])));
            EXPECT_EQ(piece[1], ':');
            joined += piece;
        }
        const std::string turned = WithBackslashes(text);
        EXPECT_EQ(turned.substr(turned.size() - joined.size()), joined);

        std::vector<std::string> lines = {text, RandomText(rng), RandomText(rng)};
        std::string message;
        const bool fullErrors = CheckFullPaths(message, lines);
        EXPECT_EQ(fullErrors, !message.empty());
        const bool relativeErrors = CheckRelativePaths(message, lines);
        EXPECT_EQ(relativeErrors, !message.empty());
        std::string colons;
        AnalyseColons(text, colons);
        EXPECT_FALSE(colons.empty());
    }
}

}  // namespace
}  // namespace arbovane
