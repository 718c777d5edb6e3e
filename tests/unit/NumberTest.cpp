#include "forms/Number.h"

#include <gtest/gtest.h>

using forms::number::format;
using forms::number::parse;

TEST(NumberText, ReadsGermanNotation) {
    EXPECT_EQ(parse("2,75"), 2.75);
    EXPECT_EQ(parse("-1,5"), -1.5);
    EXPECT_EQ(parse("07"), 7.0);
    EXPECT_EQ(parse(" 14,5 "), 14.5);
    EXPECT_EQ(parse("1.400"), 1400.0);
    EXPECT_EQ(parse("1.400,25"), 1400.25);
    EXPECT_EQ(parse(",5"), 0.5);
}

TEST(NumberText, RejectsWhatIsNoNumber) {
    for (const char* text : {"", "-", "XX", "16 Stufen", "1,5,5", "1.5", "12.34", "1..000", "+", ",", "2,75kg"})
        EXPECT_FALSE(parse(text).has_value()) << '"' << text << '"';
}

TEST(NumberText, WritesShortestGermanText) {
    EXPECT_EQ(format(1.5 - 0.25), "1,25");
    EXPECT_EQ(format(2.75), "2,75");
    EXPECT_EQ(format(-0.75), "-0,75");
    EXPECT_EQ(format(3.0), "3");
    EXPECT_EQ(format(1400.0), "1400");
    EXPECT_EQ(format(-0.0), "0");
    EXPECT_EQ(format(0.1 + 0.2 - 0.3), "0");
    EXPECT_EQ(format(2.75 + 0.1 - 0.1), "2,75");
}

TEST(NumberText, LongAddSubtractRunReturnsToItsStartText) {
    const double amounts[] = {0.1, 0.25, 0.5, 1.75, 0.05, 35, -0.25, 0.3};
    std::string text = "2,75";
    for (int round = 0; round < 200; ++round)
        for (double a : amounts) text = format(*parse(text) + a);
    for (int round = 0; round < 200; ++round)
        for (double a : amounts) text = format(*parse(text) - a);
    EXPECT_EQ(text, "2,75");
}
