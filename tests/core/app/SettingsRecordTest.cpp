#include <gtest/gtest.h>

#include <climits>

#include "core/app/SettingsRecord.h"

namespace arbovane {
namespace {

std::string Encoded(const SettingsRecord& record) {
    std::string bytes;
    record.AppendTo(bytes);
    return bytes;
}

TEST(SettingsRecord, FieldsSitAtTheirOffsetsAndTheRestIsZero) {
    std::string expected(5312, '\0');
    expected.replace(0, 4, std::string("\x02\x00\x00\x00", 4));
    expected.replace(4, 10, "DEFDIRECTR");
    expected.replace(14, 7, "D:\\Some");
    expected.replace(5276, 4, std::string("\x2A\x00\x00\x00", 4));
    EXPECT_EQ(Encoded({2, "DEFDIRECTRY", "D:\\Some", 42}), expected);

    std::string appended = "prefix";
    SettingsRecord{900, "VEGVEGEVE", "", 0}.AppendTo(appended);
    EXPECT_EQ(appended.size(), 6u + 5312u);
    EXPECT_EQ(appended.substr(0, 6), "prefix");
}

TEST(SettingsRecord, NumbersAreLittleEndianTwosComplement) {
    const struct {
        std::int32_t number;
        const char* bytes;
    } cases[] = {
        {0, "\x00\x00\x00\x00"},         {1, "\x01\x00\x00\x00"},
        {-1, "\xFF\xFF\xFF\xFF"},        {0x12345678, "\x78\x56\x34\x12"},
        {INT32_MAX, "\xFF\xFF\xFF\x7F"}, {INT32_MIN, "\x00\x00\x00\x80"},
        {-900, "\x7C\xFC\xFF\xFF"},
    };
    for (const auto& c : cases) {
        const std::string expected(c.bytes, 4);
        const std::string bytes = Encoded({c.number, "", "", c.number});
        EXPECT_EQ(bytes.substr(0, 4), expected) << c.number;
        EXPECT_EQ(bytes.substr(5276, 4), expected) << c.number;
        const SettingsRecord back = SettingsRecord::Parse(bytes);
        EXPECT_EQ(back.type, c.number);
        EXPECT_EQ(back.number, c.number);
    }
}

TEST(SettingsRecord, NameFieldKeepsTenCharactersAndEndsShorterOnesWithZero) {
    const struct {
        std::string name;
        std::string field;  // the 10 bytes written
        std::string readBack;
    } cases[] = {
        {"APPNAME", std::string("APPNAME\0\0\0", 10), "APPNAME"},
        {"FMNAMESRDO", "FMNAMESRDO", "FMNAMESRDO"},
        {"DEFDIRECTRY", "DEFDIRECTR", "DEFDIRECTR"},
        {"", std::string(10, '\0'), ""},
    };
    for (const auto& c : cases) {
        const std::string bytes = Encoded({1, c.name, "value", 0});
        EXPECT_EQ(bytes.substr(4, 10), c.field) << c.name;
        // A full name field runs straight into the value; reading must stop at the field's end.
        EXPECT_EQ(SettingsRecord::Parse(bytes).name, c.readBack) << c.name;
        EXPECT_EQ(SettingsRecord::Parse(bytes).value, "value") << c.name;
    }
}

TEST(SettingsRecord, LongValuesAreCutWithoutSplittingACharacter) {
    const std::string euro = "\xE2\x82\xAC";
    const std::string clef = "\xF0\x9D\x84\x9E";
    const struct {
        std::string value;
        std::string written;
    } cases[] = {
        {std::string(5261, 'a'), std::string(5261, 'a')},
        {std::string(5262, 'a'), std::string(5261, 'a')},
        {std::string(9000, 'a'), std::string(5261, 'a')},
        {std::string(5260, 'a') + "\xC3\xA9", std::string(5260, 'a')},
        {std::string(5259, 'a') + "\xC3\xA9", std::string(5259, 'a') + "\xC3\xA9"},
        {std::string(5259, 'a') + euro, std::string(5259, 'a')},
        {std::string(5258, 'a') + euro + "b", std::string(5258, 'a') + euro},
        {std::string(5258, 'a') + clef, std::string(5258, 'a')},
        {std::string(5257, 'a') + clef + "b", std::string(5257, 'a') + clef},
        // Not UTF-8 at all: cut at the limit rather than losing the whole tail.
        {std::string(5300, '\x80'), std::string(5261, '\x80')},
    };
    for (const auto& c : cases) {
        const std::string bytes = Encoded({9, "FMNAMESTXT", c.value, 7});
        ASSERT_EQ(bytes.size(), 5312u);
        EXPECT_EQ(bytes.substr(14, c.written.size()), c.written) << c.value.size();
        EXPECT_EQ(bytes.substr(14 + c.written.size(), 5262 - c.written.size()),
                  std::string(5262 - c.written.size(), '\0'))
            << c.value.size();
        EXPECT_EQ(SettingsRecord::Parse(bytes).value, c.written) << c.value.size();
        EXPECT_EQ(SettingsRecord::Parse(bytes).number, 7) << c.value.size();
    }
}

TEST(SettingsRecord, ValueIsReadUpToTheFirstZeroInsideItsField) {
    const struct {
        std::string field;  // the 5262 value bytes
        std::string value;
    } cases[] = {
        {std::string(5262, '\0'), ""},
        {std::string("ab\0cd", 5) + std::string(5257, 'x'), "ab"},
        {std::string(5261, 'x') + '\0', std::string(5261, 'x')},
        {std::string(5262, 'x'), std::string(5262, 'x')},
    };
    for (const auto& c : cases) {
        std::string bytes(5312, '\0');
        bytes[0] = 9;
        bytes.replace(14, 5262, c.field);
        // The number right behind the value field must never leak into the value.
        bytes.replace(5276, 4, std::string("\x05\x00\x00\x00", 4));
        const SettingsRecord record = SettingsRecord::Parse(bytes);
        EXPECT_EQ(record.value, c.value);
        EXPECT_EQ(record.number, 5);
    }
}

TEST(TrimBlanksAndControls, BothEndsOnly) {
    const struct {
        std::string in, out;
        bool vacant;
    } cases[] = {
        {"", "", true},
        {" ", "", true},
        {" \t\r\n\x01\x1F\x7F ", "", true},
        {"a ", "a", false},
        {"\t a b \n", "a b", false},
        {"\xC3\xA9 ", "\xC3\xA9", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TrimBlanksAndControls(c.in), c.out) << "[" << c.in << "]";
        EXPECT_EQ(IsOnlyBlanksAndControls(c.in), c.vacant) << "[" << c.in << "]";
    }
}

}  // namespace
}  // namespace arbovane
