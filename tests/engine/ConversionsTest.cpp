#include "Conversions.h"
#include "Errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Quiverstep;

TEST(Conversions, LeadingNumberTakesTheNumericPrefixAndNeverFails)
{
    // "1E": an exponent letter without digits is not taken.
    for (auto [text, number] : {std::pair{"  0.50", 0.5}, {"-5,-5", -5.0},  {"abc", 0.0},
                                {"", 0.0},            {"1E3", 1000.0},  {"1D2", 100.0},
                                {"2.5e-1x", 0.25},    {"1abc", 1.0},    {"1E", 1.0},
                                {".5", 0.5},          {"+3", 3.0},      {"1.2.3", 1.2},
                                {"- 5", 0.0},         {"1E-400", 0.0}})
        EXPECT_EQ(LeadingNumber(text), number) << text;
    EXPECT_TRUE(std::isinf(LeadingNumber("1E400")));
}

TEST(Conversions, StrictReadersAcceptOnlyAWholeNumberOrTruthValue)
{
    EXPECT_EQ(StrictNumber(" 4 "), 4);
    EXPECT_EQ(StrictNumber("-0.25"), -0.25);
    EXPECT_EQ(StrictNumber("1E3"), 1000);
    for (const char *text : {"1x", "", "  ", "NaN", "1 2"})
        EXPECT_THROW(StrictNumber(text), ConversionError) << text;
    EXPECT_THROW(StrictNumber("1E400"), OverflowError);

    for (const char *text : {"TRUE", "true", "2", "-1"})
        EXPECT_TRUE(StrictFlag(text)) << text;
    for (const char *text : {"false", "False", "0"})
        EXPECT_FALSE(StrictFlag(text)) << text;
    EXPECT_THROW(StrictFlag("yes"), ConversionError);
    EXPECT_THROW(StrictFlag(""), ConversionError);
}

TEST(Conversions, WritersGiveTheShortestText)
{
    for (auto [value, text] : {std::pair{16.0, "16"}, {15.5, "15.5"}, {-0.25, "-0.25"},
                               {0.1 + 0.2, "0.3"}, {16 - 0.2, "15.8"}, {-0.0, "0"},
                               {1.0 / 3, "0.333333333333333"},
                               {123456789012345.0, "123456789012345"}, {1e15, "1E+15"}})
        EXPECT_EQ(RealToText(value), text) << value;
    EXPECT_EQ(StrictNumber(RealToText(1e308)), 1e308);
    EXPECT_THROW(RealToText(std::numeric_limits<double>::infinity()), OverflowError);
    // A Single with a Single's digits, not those of the Double it widens to.
    EXPECT_EQ(SingleToText(0.1f), "0.1");
    EXPECT_EQ(SingleToText(1.0f / 3), "0.3333333");
    EXPECT_EQ(SingleToText(-2.5e-20f), "-2.5E-20");
    EXPECT_EQ(IntegerToText(-1), "-1");
    EXPECT_EQ(IntegerToText(17), "17");
    EXPECT_EQ(FlagToText(true) + FlagToText(false), "TrueFalse");
}

TEST(Conversions, RoundingSendsHalvesToTheEvenNeighbourAndChecksTheRange)
{
    for (auto [value, rounded] :
         {std::pair{2.5, 2.0}, {3.5, 4.0}, {-1.5, -2.0}, {0.5, 0.0}, {2.6, 3.0}})
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
    EXPECT_EQ(ToInteger(32767.4), 32767);
    EXPECT_THROW(ToInteger(32767.5), OverflowError);
    EXPECT_THROW(ToInteger(-32769), OverflowError);
    EXPECT_EQ(ToLong(-2147483648.0), -2147483647 - 1);
    EXPECT_THROW(ToLong(2147483648.0), OverflowError);
    EXPECT_THROW(CheckedAdd(2147483647, 1), OverflowError);
}
