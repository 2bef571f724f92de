#include "Spiral.h"
#include "Errors.h"
#include "MemoryStore.h"
#include "SettingKeys.h"

#include <gtest/gtest.h>

using namespace Quiverstep;

namespace {

struct Position
{
    double x, y;
    std::int32_t colour;
    bool operator==(const Position &) const = default;
};

class SpiralTest : public ::testing::Test
{
protected:
    void SetUp() override { Spiral::Module() = {}; }

    std::vector<Position> walk(int count)
    {
        std::vector<Position> result;
        for (int i = 0; i < count; ++i) {
            double x = 0, y = 0;
            Spiral::NextSpiralPosition(settings, x, y);
            result.push_back({x, y, PathColourValue()});
        }
        return result;
    }

    MemoryStore store;
    Settings settings{store};
};

} // namespace

TEST_F(SpiralTest, WalkForLimitTwo)
{
    Spiral::InitSpiral(settings, 2, 1, true);
    const auto path = walk(50);
    const std::int32_t B = ColourBlue, R = ColourRed;
    const std::vector<Position> ring1 = {{15, 16, B},
                                         {15, 15, B},
                                         {16, 15, B},
                                         {17, 15, B},
                                         {17, 16, B},
                                         {17, 17, B},
                                         {16, 17, B},
                                         {15, 17, B}};
    EXPECT_EQ(std::vector<Position>(path.begin(), path.begin() + 8), ring1);
    // Ring 2 out: from (-2, 0) up, across, down, back, up to (-2, 1).
    EXPECT_EQ(path[8], (Position{14, 16, B}));
    EXPECT_EQ(path[10], (Position{14, 14, B}));
    EXPECT_EQ(path[14], (Position{18, 14, B}));
    EXPECT_EQ(path[18], (Position{18, 18, B}));
    EXPECT_EQ(path[22], (Position{14, 18, B}));
    EXPECT_EQ(path[23], (Position{14, 17, B}));
    // Ring 2 again, red, then ring 1, then the centre.
    EXPECT_EQ(path[24], (Position{14, 16, R}));
    EXPECT_EQ(path[39], (Position{14, 17, R}));
    EXPECT_EQ(path[40], (Position{15, 16, R}));
    EXPECT_EQ(path[47], (Position{15, 17, R}));
    EXPECT_EQ(path[48], (Position{16, 16, R}));
    EXPECT_EQ(path[49], (Position{15, 16, B}));
}

TEST_F(SpiralTest, CycleLengths)
{
    for (auto [limit, length] : {std::pair{1, 17}, {2, 49}, {3, 97}, {4, 161}}) {
        Spiral::InitSpiral(settings, limit, 1, true);
        const auto path = walk(length + 1);
        EXPECT_EQ(path[length - 1], (Position{16, 16, ColourRed})) << "limit " << limit;
        EXPECT_EQ(path[length], (Position{15, 16, ColourBlue})) << "limit " << limit;
        for (int i = 0; i < length - 1; ++i)
            EXPECT_FALSE(path[i].x == 16 && path[i].y == 16) << "limit " << limit << " at " << i;
    }
}

TEST_F(SpiralTest, LimitIsRoundedHalfToEven)
{
    Spiral::InitSpiral(settings, 3, 2, true);
    EXPECT_EQ(Spiral::Module().SpiralLimit, 2);
    Spiral::InitSpiral(settings, 5, 2, true);
    EXPECT_EQ(Spiral::Module().SpiralLimit, 2);
    Spiral::InitSpiral(settings, 4, 1.5, true);
    EXPECT_EQ(Spiral::Module().SpiralLimit, 3);
    double lowest = 16;
    for (const Position &p : walk(97))
        lowest = std::min(lowest, p.x);
    EXPECT_EQ(lowest, 11.5); // 16 - 3 x 1.5: half a step beyond the max dither
}

TEST_F(SpiralTest, ResetSavesTheStartState)
{
    Spiral::InitSpiral(settings, 4, 1, true);
    EXPECT_EQ(settings.Get(Keys::SpiralInOut, ""), "True");
    EXPECT_EQ(settings.Get(Keys::SpiralRadius, ""), "0");
    EXPECT_EQ(settings.Get(Keys::SpiralDirectionX, ""), "0");
    EXPECT_EQ(settings.Get(Keys::SpiralStartX, ""), "16");
    EXPECT_EQ(settings.Get(Keys::SpiralPosX, ""), "16");
    EXPECT_EQ(PathColourValue(), ColourBlue);
    double x = 0, y = 0;
    Spiral::NextSpiralPosition(settings, x, y);
    EXPECT_EQ(x, 15);
    EXPECT_EQ(y, 16);
    EXPECT_EQ(settings.Get(Keys::SpiralPosX, ""), "15");
    EXPECT_EQ(settings.Get(Keys::SpiralDirectionY, ""), "-1");
}

TEST_F(SpiralTest, ResumesFromTheStore)
{
    Spiral::InitSpiral(settings, 4, 2, true);
    const auto straight = walk(4);

    Spiral::Module() = {};
    Spiral::InitSpiral(settings, 4, 2, true);
    walk(3);
    Spiral::Module() = {}; // as in a new process
    Spiral::InitSpiral(settings, 4, 2, false);
    EXPECT_EQ(walk(1).front(), straight[3]);
}

TEST_F(SpiralTest, StepOfZeroIsRefusedAndKeepsTheLimit)
{
    Spiral::InitSpiral(settings, 4, 1, true);
    EXPECT_THROW(Spiral::InitSpiral(settings, 4, 0, false), SettingError);
    EXPECT_EQ(Spiral::Module().SpiralLimit, 4);
    EXPECT_EQ(Spiral::Module().SpiralStepSize, 1);
}

TEST_F(SpiralTest, FirstPositionWithoutInitContinuesTheStoredWalk)
{
    settings.Save(Keys::DitherStep, "2");
    const auto path = walk(1);
    EXPECT_EQ(path[0], (Position{14, 16, ColourBlue}));
}
