#include "PatternEditing.h"

#include <gtest/gtest.h>

using namespace Quiverstep::PatternEditing;

TEST(PatternEditing, AddedLinesAreRoundedToHundredthsAwayFromZero)
{
    const std::pair<std::pair<const char *, const char *>, const char *> cases[] = {
            {{"1.5", "-2"}, " 1.50: -2.00"},
            {{"0.25", "3"}, " 0.25: 3.00"},
            {{"-0.5", "0"}, " -0.50: 0.00"},
            {{"1.05", "0"}, " 1.05: 0.00"},
            {{"1.999", "2"}, " 2.00: 2.00"},
            {{"-0.5", "-0.25"}, " -0.50: -0.25"},
            {{"-0.004", "0.005"}, " 0.00: 0.01"}, // no "-" on a value that rounds to 0
            {{" 123456.789 ", "1e2"}, " 123456.79: 100.00"},
    };
    for (const auto &[input, line] : cases)
        EXPECT_EQ(AddedStepLine(input.first, input.second), line) << input.first;
}

TEST(PatternEditing, AddRefusesWhatIsNotANumber)
{
    EXPECT_FALSE(AddedStepLine("abc", "1"));
    EXPECT_FALSE(AddedStepLine("1", ""));
    EXPECT_FALSE(AddedStepLine("1e999", "1"));
    EXPECT_EQ(NotNumeric, "X and Y must be numeric");
}

TEST(PatternEditing, LoadTurnsCommasIntoColonsAndSaveKeepsTheLines)
{
    EXPECT_EQ(LoadBody(" 0.50,  0.00\\BOTTOM").lines.front(), " 0.50:  0.00");
    EXPECT_TRUE(LoadBody("1,2\\top").repeatFromTop);
    EXPECT_FALSE(LoadBody("1,2\\BOTTOM").repeatFromTop);
    EXPECT_FALSE(LoadBody("1,2\\TOPS").repeatFromTop);
    const LoadedBody empty = LoadBody("");
    EXPECT_TRUE(empty.lines.empty());
    EXPECT_FALSE(empty.repeatFromTop);
    EXPECT_EQ(BuildBody({" 1.00: 0.00", " 0.00: 1.00"}, true), " 1.00: 0.00\\ 0.00: 1.00\\TOP");
    EXPECT_EQ(BuildBody({"1:1"}, false), "1:1\\BOTTOM");
}

TEST(PatternEditing, SelectedLineShowsItsNumbers)
{
    EXPECT_EQ(LineStepTexts(" 1.50: -2.00").x, "1.5");
    EXPECT_EQ(LineStepTexts(" 1.50: -2.00").y, "-2");
    EXPECT_EQ(LineStepTexts(" 0.00:  0.50").x, "0");
    EXPECT_EQ(LineStepTexts(" 0.00:  0.50").y, "0.5");
    EXPECT_EQ(LineStepTexts("7").x, ""); // no separator: both boxes cleared
    EXPECT_EQ(LineStepTexts("7").y, "");
}
