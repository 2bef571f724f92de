#include "PatternEditing.h"

#include <gtest/gtest.h>

using namespace Quiverstep::PatternEditing;

// What is not a number, and numbers whose hundredths overflow a double, are refused.
TEST(PatternEditing, AddedLinesAreRoundedToHundredthsAwayFromZeroOrRefused)
{
    const std::pair<std::pair<const char *, const char *>, std::optional<std::string>> cases[] = {
            {{"1.5", "-2"}, " 1.50: -2.00"},
            {{"0.25", "3"}, " 0.25: 3.00"},
            {{"-0.5", "0"}, " -0.50: 0.00"},
            {{"1.05", "0"}, " 1.05: 0.00"},
            {{"1.999", "2"}, " 2.00: 2.00"},
            {{"-0.5", "-0.25"}, " -0.50: -0.25"},
            {{"-0.004", "0.005"}, " 0.00: 0.01"}, // no "-" on a value that rounds to 0
            {{" 123456.789 ", "1e2"}, " 123456.79: 100.00"},
            // The digits of large values are those of the double, exactly.
            {{"123456789012345678", "-1e20"}, " 123456789012345671.68: -100000000000000000000.00"},
            {{"0", "1.7E306"},
             " 0.00: 16999999999999999388307957886599817433334607430407587450277311919353772917816"
             "05658643300917875847079885722624679831889191699161055933571742683699620624736352"
             "96474636515660464935663040684957844303524367815028553272712298986386310828644513"
             "2123539211232533116754998568756505124374154292179946233247948553395896.32"},
            {{"abc", "1"}, std::nullopt},
            {{"1", ""}, std::nullopt},
            {{"1e999", "1"}, std::nullopt},
            {{"1", "1.8E306"}, std::nullopt},
            {{"-1e307", "1"}, std::nullopt},
    };
    for (const auto &[input, line] : cases)
        EXPECT_EQ(AddedStepLine(input.first, input.second), line)
                << input.first << " " << input.second;
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
    // No separator: both boxes cleared.
    for (auto [line, x, y] :
         {std::tuple{" 1.50: -2.00", "1.5", "-2"}, {" 0.00:  0.50", "0", "0.5"}, {"7", "", ""}}) {
        EXPECT_EQ(LineStepTexts(line).x, x) << line;
        EXPECT_EQ(LineStepTexts(line).y, y) << line;
    }
}
