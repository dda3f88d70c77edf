#include <gtest/gtest.h>

#include "core/visuallog/CounterText.h"

namespace arbovane {
namespace {

TEST(CounterText, WholeCountsArePlainIntegersUpToFifteenDigits) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {17, "17"},
        {123456789, "123456789"},
        {4294967295.0, "4294967295"},
        {4294967297.0, "4294967297"},  // beyond 32 bits
        {5000000000.0, "5000000000"},
        {999999999999999.0, "999999999999999"},
        {1000000000000000.0, "1e+15"},
        {1234567890123456.0, "1.23456789012346e+15"},
        {0.5, "0.5"},
    };
    for (const auto& c : cases) EXPECT_EQ(CounterText(c.value), c.text) << c.text;
}

}  // namespace
}  // namespace arbovane
