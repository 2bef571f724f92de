#include "DitherTypeList.h"
#include "DitherWalkReset.h"
#include "GeneratedPatterns.h"
#include "PathCell.h"
#include "PathPaint.h"

#include "MemoryStore.h"
#include "SettingKeys.h"
#include "Spiral.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Quiverstep;

TEST(DitherTypeList, StoredTypeIsLimitedToTheListedEntries)
{
    const std::size_t entries = 8; // five patterns, the add entry at 7
    const std::pair<const char *, int> cases[] = {
            {"7", 0},
            {"6", 6},
            {"8", 0},
            {"-1", 0},
            {"true", 1},
            {"FALSE", 0},
            {"2.5", 2},
            {"3.5", 4},
            {"6.5", 6},
            {"abc", 0},
            {"1e300", 0},
            {"", 0},
    };
    for (const auto &[stored, index] : cases)
        EXPECT_EQ(InitialDitherTypeIndex(stored, entries), index) << stored;
}

TEST(DitherTypeList, CheckBoxStatesFromStoredTexts)
{
    EXPECT_EQ(CheckBoxState("False"), 0);
    EXPECT_EQ(CheckBoxState("True"), 0); // not a number: the leading number is 0
    EXPECT_EQ(CheckBoxState("1"), 1);
    EXPECT_EQ(CheckBoxState("0.4"), 0);
    EXPECT_EQ(CheckBoxState("2"), 2);
    EXPECT_EQ(CheckBoxState("-1"), 1);
}

namespace {

class ResetTest : public ::testing::Test
{
protected:
    ResetTest()
    {
        settings.Save(Keys::Pattern(2), "P\\1,0\\0:1\\-1,0\\TOP");
        settings.Save(Keys::DitherType, "2");
        settings.Save(Keys::DitherStep, "2");
    }
    std::string get(std::string_view key) const { return settings.Get(key, "<absent>"); }

    MemoryStore store;
    Settings settings{store};
};

} // namespace

TEST_F(ResetTest, MissingPatternWritesNothing)
{
    for (const char *type : {"5", "2.5"}) { // 2.5 names "Pattern2.5", which does not exist
        settings.Save(Keys::DitherType, type);
        const int writes = store.writeCount();
        EXPECT_FALSE(ResetDitherWalk(settings, "2")) << type;
        EXPECT_EQ(store.writeCount(), writes) << type;
    }
    settings.Save(Keys::DitherType, "2");
    ASSERT_TRUE(ResetDitherWalk(settings, "abc")); // an unreadable box: the centre
    EXPECT_EQ(get(Keys::CurrentOffsetX), "16");
}

TEST_F(ResetTest, SpiralAndRandomStandAtTheCentreAndKeepTheSpiralWalk)
{
    settings.Save(Keys::SpiralPosX, "14");
    for (const char *type : {"0", "1"}) {
        settings.Save(Keys::DitherType, type);
        settings.Save(Keys::CurrentOffsetX, "20");
        ASSERT_TRUE(ResetDitherWalk(settings, "2"));
        EXPECT_EQ(get(Keys::CurrentOffsetX), "16");
        EXPECT_EQ(get(Keys::CurrentOffsetY), "16");
        EXPECT_EQ(get(Keys::CurrentStep), "1");
    }
    EXPECT_EQ(get(Keys::SpiralPosX), "14");
}

TEST(GeneratedPatterns, SnakesOfTheTestForm)
{
    const std::string horizontal = GeneratedHorizontalSnake();
    const std::string vertical = GeneratedVerticalSnake();
    EXPECT_TRUE(horizontal.starts_with("Horizontal Snake\\-5,-5\\-4,-5"));
    EXPECT_NE(horizontal.find("\\5,-5\\5,-4\\4,-4\\"), std::string::npos);
    EXPECT_TRUE(horizontal.ends_with("\\4,5\\5,5\\BOTTOM"));
    EXPECT_TRUE(vertical.starts_with("Vertical Snake\\-5,-5\\-5,-4"));
    EXPECT_NE(vertical.find("\\-5,5\\-4,5\\-4,4\\"), std::string::npos);
    EXPECT_TRUE(vertical.ends_with("\\5,4\\5,5\\BOTTOM"));
    EXPECT_EQ(std::count(horizontal.begin(), horizontal.end(), '\\'), 122);
    EXPECT_EQ(std::count(vertical.begin(), vertical.end(), '\\'), 122);

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
    const PathPaint centre = PlanPathPaint(330, 264, 16, 16, ColourBlue);
    EXPECT_EQ(centre.cell.left, 161);
    EXPECT_EQ(centre.cell.top, 129);
    EXPECT_EQ(centre.cell.right, 169);
    EXPECT_EQ(centre.cell.bottom, 135);
    const PathPaint right = PlanPathPaint(330, 264, 18, 16, ColourBlue);
    EXPECT_EQ(right.cell.left, 181);
    EXPECT_EQ(right.cell.right, 189);
    EXPECT_EQ(right.cell.top, 129);
    EXPECT_EQ(right.cell.bottom, 135);
    EXPECT_EQ(centre.flashColour, ColourRed);
    EXPECT_EQ(centre.colour, ColourBlue);
    const PathPaint half = PlanPathPaint(330, 264, 16.5, 16, 0);
    EXPECT_EQ(half.cell.left, 166); // not snapped to the grid
    EXPECT_EQ(half.flashColour, 0xFF00FF);
}
