#include "DitherTypeList.h"
#include "DitherWalkReset.h"
#include "GeneratedPatterns.h"
#include "PathPaint.h"

#include "MemoryStore.h"
#include "SettingKeys.h"
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

TEST(ResetDitherWalk, PatternsStartOnTheirFirstStepOtherTypesAtTheCentre)
{
    MemoryStore store;
    Settings settings(store);
    settings.Save(Keys::Pattern(2), "P\\1,0\\0:1\\-1,0\\TOP");
    settings.Save(Keys::DitherType, "2");
    settings.Save(Keys::DitherStep, "2");
    ASSERT_TRUE(ResetDitherWalk(settings, "3")); // the dialog's step size, not the stored one
    EXPECT_EQ(settings.Get(Keys::CurrentOffsetX, ""), "19");
    ASSERT_TRUE(ResetDitherWalk(settings, "abc")); // an unreadable step size: the centre
    EXPECT_EQ(settings.Get(Keys::CurrentOffsetX, ""), "16");
    for (const char *type : {"5", "2.5"}) { // 2.5 names "Pattern2.5", which does not exist
        settings.Save(Keys::DitherType, type);
        const int writes = store.writeCount();
        EXPECT_FALSE(ResetDitherWalk(settings, "2")) << type;
        EXPECT_EQ(store.writeCount(), writes) << type;
    }
    settings.Save(Keys::SpiralPosX, "14"); // the spiral's own walk is kept
    for (const char *type : {"0", "1"}) {
        settings.Save(Keys::DitherType, type);
        settings.Save(Keys::CurrentOffsetX, "20");
        ASSERT_TRUE(ResetDitherWalk(settings, "2"));
        EXPECT_EQ(settings.Get(Keys::CurrentOffsetX, ""), "16");
        EXPECT_EQ(settings.Get(Keys::CurrentOffsetY, ""), "16");
        EXPECT_EQ(settings.Get(Keys::CurrentStep, ""), "1");
    }
    EXPECT_EQ(settings.Get(Keys::SpiralPosX, ""), "14");
}

TEST(GeneratedPatterns, SnakesOverFiveStoredUnderTheirOwnKeys)
{
    // How a snake walks is the built-in patterns' rule; here its name, reach and end marker.
    const std::string horizontal = GeneratedHorizontalSnake();
    const std::string vertical = GeneratedVerticalSnake();
    EXPECT_TRUE(horizontal.starts_with("Horizontal Snake\\-5,-5\\-4,-5\\"));
    EXPECT_TRUE(horizontal.ends_with("\\4,5\\5,5\\BOTTOM"));
    EXPECT_TRUE(vertical.starts_with("Vertical Snake\\-5,-5\\-5,-4\\"));
    EXPECT_TRUE(vertical.ends_with("\\5,4\\5,5\\BOTTOM"));

    MemoryStore store;
    Settings settings(store);
    GeneratePatterns(settings);
    GeneratePatterns(settings); // replaced, not appended
    EXPECT_EQ(settings.Get(Keys::NewPatternHorizontalSnake, ""), horizontal);
    EXPECT_EQ(settings.Get(Keys::NewPatternVerticalSnake, ""), vertical);
    EXPECT_TRUE(EnumeratePatterns(settings).patterns.empty());
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
