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
    const LoadedBody body = LoadBody("1,2\\3:4\\-1,0\\TOP");
    EXPECT_EQ(body.lines, (std::vector<std::string>{"1:2", "3:4", "-1:0"}));
    EXPECT_TRUE(body.repeatFromTop);
    EXPECT_EQ(BuildBody(body.lines, body.repeatFromTop), "1:2\\3:4\\-1:0\\TOP");

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

TEST(PatternEditing, SaveNeedsANameWithoutBackslashAndSteps)
{
    EXPECT_EQ(SaveProblem("", 0), "Please specify the name for this pattern");
    EXPECT_EQ(SaveProblem("a\\b", 3), "The pattern name cannot contain a backslash.");
    EXPECT_EQ(SaveProblem("P", 0), "No steps specified in the dither pattern. Please add some.");
    EXPECT_FALSE(SaveProblem(" <b>x</b> ", 1));
}

TEST(PatternEditing, SelectionRules)
{
    EXPECT_EQ(SelectionAfterDelete(2, 2), 1);  // the last of three: the new last
    EXPECT_EQ(SelectionAfterDelete(1, 2), 1);  // the middle: the line moved into its place
    EXPECT_EQ(SelectionAfterDelete(0, 0), -1); // the only one: no selection
    EXPECT_EQ(MoveUpTarget(0), -1);
    EXPECT_EQ(MoveUpTarget(-1), -1);
    EXPECT_EQ(MoveUpTarget(2), 1);
    EXPECT_EQ(MoveDownTarget(2, 3), -1);
    EXPECT_EQ(MoveDownTarget(-1, 3), -1);
    EXPECT_EQ(MoveDownTarget(1, 3), 2);
}
