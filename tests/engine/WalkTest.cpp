#include "Conversions.h"
#include "DitherType.h"
#include "DitherUpdateRig.h"
#include "Errors.h"
#include "MemoryStore.h"
#include "SettingKeys.h"
#include "Spiral.h"
#include "UnseededRandom.h"

#include <gtest/gtest.h>

using namespace Quiverstep;

namespace {

// The spiral and the dither update on a store in memory, with the walk state of a new process.
class WalkTest : public ::testing::Test
{
protected:
    // "x,y", then "b" or "r" for a blue or red path colour.
    std::string position(double x, double y) const
    {
        const std::int32_t colour = PathColourValue(walk.spiral);
        return RealToText(x) + "," + RealToText(y)
               + (colour == ColourBlue  ? "b"
                  : colour == ColourRed ? "r"
                                        : "");
    }

    // The next n spiral positions, blank-separated.
    std::string spiral(int n)
    {
        std::string text;
        for (int i = 0; i < n; ++i) {
            double x = 0, y = 0;
            Spiral::NextSpiralPosition(walk.spiral, settings, x, y);
            text += (i ? " " : "") + position(x, y);
        }
        return text;
    }

    void update() { walk.Update(settings, random); }

    // The next n dither updates, blank-separated: each target, then "#" and the stored step.
    std::string updates(int n)
    {
        std::string text;
        for (int i = 0; i < n; ++i) {
            update();
            text += (i ? " " : "") + position(walk.XOffset, walk.YOffset) + "#"
                    + settings.Get(Keys::CurrentStep, "");
        }
        return text;
    }

    void usePattern(const std::string &text, const std::string &stepSize)
    {
        settings.Save("Pattern2", text);
        settings.Save(Keys::DitherType, "2");
        settings.Save(Keys::DitherStep, stepSize);
        settings.Save(Keys::CurrentStep, "0");
    }

    MemoryStore store;
    Settings settings{store};
    UnseededRandom random;
    DitherUpdateRig walk;
};

} // namespace

TEST_F(WalkTest, SpiralForLimitTwoAndTheCycleLengths)
{
    Spiral::InitSpiral(walk.spiral, settings, 2, 1, true);
    // Ring 1 and ring 2 out in blue, ring 2 and ring 1 back in red, the centre, then anew.
    EXPECT_EQ(spiral(50),
              "15,16b 15,15b 16,15b 17,15b 17,16b 17,17b 16,17b 15,17b "
              "14,16b 14,15b 14,14b 15,14b 16,14b 17,14b 18,14b 18,15b "
              "18,16b 18,17b 18,18b 17,18b 16,18b 15,18b 14,18b 14,17b "
              "14,16r 14,15r 14,14r 15,14r 16,14r 17,14r 18,14r 18,15r "
              "18,16r 18,17r 18,18r 17,18r 16,18r 15,18r 14,18r 14,17r "
              "15,16r 15,15r 16,15r 17,15r 17,16r 17,17r 16,17r 15,17r "
              "16,16r 15,16b");

    for (auto [limit, length] : {std::pair{1, 17}, {2, 49}, {3, 97}, {4, 161}}) {
        Spiral::InitSpiral(walk.spiral, settings, limit, 1, true);
        const std::string path = spiral(length + 1);
        // The centre comes once, red, last in the cycle; the next one starts blue.
        EXPECT_TRUE(path.ends_with(" 16,16r 15,16b")) << limit;
        EXPECT_EQ(path.find("16,16"), path.size() - 13) << limit;
    }
}

TEST_F(WalkTest, SpiralLimitIsRoundedHalfToEven)
{
    for (auto [max, step, limit] : {std::tuple{3.0, 2.0, 2}, {5.0, 2.0, 2}, {4.0, 1.5, 3}}) {
        Spiral::InitSpiral(walk.spiral, settings, max, step, true);
        EXPECT_EQ(walk.spiral.SpiralLimit, limit) << max << " / " << step;
    }
    // Out to 16 - 3 x 1.5, half a step beyond the max dither, and no further.
    const std::string path = spiral(97);
    EXPECT_NE(path.find("11.5,11.5"), std::string::npos);
    EXPECT_EQ(path.find("10"), std::string::npos);
}

TEST_F(WalkTest, SpiralResetSavesTheStartStateAndStepZeroIsRefused)
{
    Spiral::InitSpiral(walk.spiral, settings, 4, 1, true);
    EXPECT_EQ(settings.Get(Keys::SpiralInOut, ""), "True");
    EXPECT_EQ(settings.Get(Keys::SpiralRadius, ""), "0");
    EXPECT_EQ(settings.Get(Keys::SpiralDirectionX, ""), "0");
    EXPECT_EQ(settings.Get(Keys::SpiralStartX, ""), "16");
    EXPECT_EQ(settings.Get(Keys::SpiralPosX, ""), "16");
    EXPECT_EQ(PathColourValue(walk.spiral), ColourBlue);
    EXPECT_EQ(spiral(1), "15,16b");
    EXPECT_EQ(settings.Get(Keys::SpiralPosX, ""), "15");
    EXPECT_EQ(settings.Get(Keys::SpiralDirectionY, ""), "-1");
    // A step of 0 would divide by zero: refused, keeping the limit.
    EXPECT_THROW(Spiral::InitSpiral(walk.spiral, settings, 4, 0, false), SettingError);
    EXPECT_EQ(walk.spiral.SpiralLimit, 4);
    EXPECT_EQ(walk.spiral.SpiralStepSize, 1);
}

TEST_F(WalkTest, SpiralResumesFromTheStore)
{
    // Before anything initialises it, the walk continues from the store at the stored step.
    settings.Save(Keys::DitherStep, "2");
    EXPECT_EQ(spiral(1), "14,16b");

    Spiral::InitSpiral(walk.spiral, settings, 4, 2, true);
    const std::string straight = spiral(4);
    Spiral::InitSpiral(walk.spiral, settings, 4, 2, true);
    spiral(3);
    walk.spiral = {}; // as in a new process
    Spiral::InitSpiral(walk.spiral, settings, 4, 2, false);
    EXPECT_EQ(" " + spiral(1), straight.substr(straight.rfind(' ')));
}

// A pattern repeats from the top, or walks back from the bottom using each end twice and
// toggling the colour at each turn.
TEST_F(WalkTest, PatternsRepeatFromTheTopOrWalkBackFromTheBottom)
{
    usePattern("Half-step 2x2\\ 0.00,  0.00\\ 0.50,  0.00\\ 0.50,  0.50\\ 0.00,  0.50\\TOP", "2");
    EXPECT_EQ(updates(5), "16,16#1 17,16#2 17,17#3 16,17#0 16,16#1");
    EXPECT_EQ(settings.Get(Keys::CurrentOffsetX, ""), "16");
    EXPECT_EQ(settings.Get(Keys::CurrentDirection, ""), "False");
    EXPECT_TRUE(walk.messages.empty());

    usePattern("H\\ 0.00,  0.00\\ 0.50,  0.00\\ 0.50,  0.50\\ 0.00,  0.50\\BOTTOM", "2");
    walk.spiral.PathColour = ColourBlue;
    EXPECT_EQ(updates(10),
              "16,16b#1 17,16b#2 17,17b#3 16,17r#3 16,17r#2 17,17r#1 17,16r#0 16,16b#0 16,16b#1 "
              "17,16b#2");
}

TEST_F(WalkTest, PositionOutsideTheBoxIsReportedAndClamped)
{
    usePattern("Far\\8,0\\TOP", "2");
    settings.Save(Keys::MaxDitherX, "4");
    EXPECT_EQ(updates(1), "30,16#0");
    ASSERT_EQ(walk.messages.size(), 1u);
    EXPECT_EQ(walk.messages[0],
              "Dither Pattern position exceeds Dither Box limit: please check!\r\n"
              "Dither Max=4\r\nStep Size =2\r\nPosition  = (32, 16)");
    update();
    EXPECT_EQ(walk.messages.size(), 2u); // a new message each time
    usePattern("Edge\\-7,7\\TOP", "2");  // the edges of the box pass without message
    EXPECT_EQ(updates(1), "2,30#0");
    EXPECT_EQ(walk.messages.size(), 2u);
}

TEST_F(WalkTest, MissingFieldsFollowTheSkipRulesAndAHugeStepNeitherOverflowsNorHangs)
{
    usePattern("Odd\\5\\TOP", "1");
    EXPECT_EQ(updates(1), "2,21#0"); // no x part: 0, clamped
    for (const char *step : {"9", "40000", "2147483647"}) {
        settings.Save(Keys::CurrentStep, step);
        EXPECT_EQ(updates(1), "2,2#0") << step; // no such field
    }
}

TEST_F(WalkTest, DitherTypeDecoding)
{
    EXPECT_EQ(DitherType::Decode("true"), 1);
    EXPECT_EQ(DitherType::Decode("False"), 0);
    EXPECT_EQ(DitherType::Decode("2.5"), 2);
    EXPECT_EQ(DitherType::Decode("3.5"), 4);

    settings.Save(Keys::DitherType, "3"); // no "Pattern3": the spiral
    Spiral::InitSpiral(walk.spiral, settings, 4, 1, true);
    EXPECT_EQ(updates(1), "15,16b#");
    settings.Save(Keys::DitherType, "40000"); // outside the Integer range: the spiral
    EXPECT_EQ(updates(1), "15,15b#");
}

TEST_F(WalkTest, RandomStaysInTheBoxAndAlwaysMoves)
{
    settings.Save(Keys::DitherType, "1");
    double lastX = 16, lastY = 16;
    for (int i = 0; i < 2000; ++i) {
        update();
        const auto [x, y] = std::pair(walk.XOffset, walk.YOffset);
        EXPECT_TRUE(x >= 12 && x <= 20 && y >= 12 && y <= 20) << x << "," << y;
        EXPECT_FALSE(x == lastX && y == lastY);
        EXPECT_LE(std::abs(x - lastX), 1);
        EXPECT_LE(std::abs(y - lastY), 1);
        lastX = x;
        lastY = y;
    }

    // It restarts at the centre when no move is possible or it is outside the window.
    settings.Save(Keys::DitherStep, "0"); // not even from the centre: it stays there
    EXPECT_EQ(updates(1), "16,16#");
    settings.Save(Keys::DitherStep, "1");
    // One step cannot bring 25 back into a box of 2; 2 is in a box of 14 but not inside the
    // window, which excludes its edges.
    for (auto [max, offset] : {std::pair{"2", "25"}, {"14", "2"}}) {
        settings.Save(Keys::MaxDitherX, max);
        settings.Save(Keys::CurrentOffsetX, offset);
        update();
        EXPECT_LE(std::abs(walk.XOffset - 16), 1) << offset;
        EXPECT_LE(std::abs(walk.YOffset - 16), 1) << offset;
    }
}
