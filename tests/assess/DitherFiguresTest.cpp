#include "DitherFigures.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Quiverstep;

namespace {

// Targets along the guide box's x axis, at these offsets from the centre.
std::vector<PixelPoint> alongX(const std::vector<double> &offsets)
{
    std::vector<PixelPoint> targets;
    for (const double offset : offsets)
        targets.push_back({16 + offset, 16});
    return targets;
}

ImagingGeometry geometry(double scale, double angle = 0, double maxMove = 1)
{
    return {scale, angle, maxMove};
}

} // namespace

TEST(DitherFiguresTest, QuarterTurnsMoveWholePixelsOntoWholePixels)
{
    // (17, 15) is one pixel right of the centre and one up.
    const PixelPoint target{17, 15};
    EXPECT_EQ(ImagingOffset(target, geometry(1, 0)), (PixelPoint{1, -1}));
    EXPECT_EQ(ImagingOffset(target, geometry(1, 90)), (PixelPoint{1, 1}));
    EXPECT_EQ(ImagingOffset(target, geometry(1, 180)), (PixelPoint{-1, 1}));
    EXPECT_EQ(ImagingOffset(target, geometry(1, 270)), (PixelPoint{-1, -1}));
    EXPECT_EQ(ImagingOffset(target, geometry(2, 450)), (PixelPoint{2, 2}));

    const PixelPoint turned = ImagingOffset(target, geometry(1, 45));
    EXPECT_NEAR(turned.x, std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(turned.y, 0, 1e-12);
}

TEST(DitherFiguresTest, MovesTakeTheMedianOfAnEvenCountAndSettlingRoundsUpOnTheLargerAxis)
{
    const std::vector<PixelPoint> targets = alongX({0, 1, 4, 2, 6}); // moves 1, 3, 2, 4
    const DitherFigures f = ComputeDitherFigures(targets, geometry(1));
    EXPECT_EQ(f.minMove, 1);
    EXPECT_EQ(f.medianMove, 2.5);
    EXPECT_EQ(f.settleFrames, 2.5); // 1 + 3 + 2 + 4 frames over 4 dithers
    // At 1.5 px per frame: 1, 2, 2 and 3 frames.
    EXPECT_EQ(ComputeDitherFigures(targets, geometry(1, 0, 1.5)).settleFrames, 2);
    // 0.3 px at 0.1 px per frame is 3 frames, although 0.3 / 0.1 is a little above 3.
    EXPECT_EQ(ComputeDitherFigures(alongX({0, 0.3, 0.6}), geometry(1, 0, 0.1)).settleFrames, 3);
    const DitherFigures diagonal = ComputeDitherFigures({{16, 16}, {17, 18.5}}, geometry(1));
    EXPECT_EQ(diagonal.settleFrames, 3);
    EXPECT_EQ(diagonal.minMove, std::hypot(1, 2.5));
}

TEST(DitherFiguresTest, PixelsAreCountedWhereTheFloorPutsThem)
{
    // Half a pixel left of the centre is pixel -1, not 0; four share pixel 0.
    const DitherFigures f = ComputeDitherFigures(alongX({0, -1, 0, 0, 0.5}), geometry(0.5));
    EXPECT_EQ(f.distinctPixels, 2);
    EXPECT_EQ(f.mostReused, 4);
    EXPECT_EQ(f.minMove, 0);
    EXPECT_EQ(f.excursion, 0.5);
}

TEST(DitherFiguresTest, PhasesFillTheWholeSquareOnlyWhenEveryCellIsHit)
{
    std::vector<PixelPoint> grid;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column)
            grid.push_back({16.0 + column, 16.0 + row});
    }
    EXPECT_EQ(ComputeDitherFigures(grid, geometry(0.25)).PhaseCoverage(), 1);
    grid.pop_back();
    EXPECT_EQ(ComputeDitherFigures(grid, geometry(0.25)).PhaseCoverage(), 0.9375);
    EXPECT_EQ(ComputeDitherFigures(grid, geometry(1)).PhaseCoverage(), 0.0625);
}

TEST(DitherFiguresTest, APhaseJustBelowAWholePixelStaysInTheLastCell)
{
    const PixelPoint within = Phase({-1e-20, 3.75});
    EXPECT_LT(within.x, 1);
    EXPECT_EQ(PhaseCell(within.x), 3);
    EXPECT_EQ(within.y, 0.75);
    EXPECT_EQ(PhaseCell(within.y), 3);
    EXPECT_EQ(PhaseCell(0.2499), 0);
    EXPECT_EQ(PhaseCell(0.25), 1);
}
