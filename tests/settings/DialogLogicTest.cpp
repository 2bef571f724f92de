#include "DitherTypeList.h"
#include "PathPaint.h"

#include "Spiral.h"

#include <gtest/gtest.h>

#include <array>

using namespace Quiverstep;

TEST(DitherTypeList, StoredTypeIsLimitedToTheListedEntriesAndCheckBoxesReadTheirTexts)
{
    // Five patterns, so the add entry is entry 7. How a text decodes is the dither type's
    // rule; "true" and "3.5" show that the list reads it so.
    for (const char *stored : {"7", "8", "-1", "abc", "1e300", ""})
        EXPECT_EQ(InitialDitherTypeIndex(stored, 8), 0) << stored;
    EXPECT_EQ(InitialDitherTypeIndex("6", 8), 6);
    EXPECT_EQ(InitialDitherTypeIndex("6.5", 8), 6);
    EXPECT_EQ(InitialDitherTypeIndex("true", 8), 1);
    EXPECT_EQ(InitialDitherTypeIndex("3.5", 8), 4);
    // "True" is no number: its leading number is 0.
    for (auto [text, state] :
         {std::pair{"False", 0}, {"True", 0}, {"1", 1}, {"0.4", 0}, {"2", 2}, {"-1", 1}})
        EXPECT_EQ(CheckBoxState(text), state) << text;
}

TEST(PathPaint, CellsOfA330By264Area)
{
    const auto cell = [](double x, double y) {
        const PixelRect r = PlanPathPaint(330, 264, x, y, ColourBlue).cell;
        return std::array{r.left, r.top, r.right, r.bottom};
    };
    EXPECT_EQ(cell(16, 16), (std::array{161, 129, 169, 135}));
    EXPECT_EQ(cell(18, 16), (std::array{181, 129, 189, 135}));
    EXPECT_EQ(cell(16.5, 16)[0], 166); // not snapped to the grid
    const PathPaint blue = PlanPathPaint(330, 264, 16, 16, ColourBlue);
    EXPECT_EQ(blue.flashColour, ColourRed);
    EXPECT_EQ(blue.colour, ColourBlue);
    EXPECT_EQ(PlanPathPaint(330, 264, 16, 16, 0).flashColour, 0xFF00FF);
}
